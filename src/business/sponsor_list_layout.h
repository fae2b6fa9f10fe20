#pragma once
// TFormEmp: the sponsor list, one line per ball in Pedra order under the
// title "Bingo Empresarial - Listagem das 100 empresas" and the column
// headings. Records are those of "empresas.cds".

#include "report/layout.h"

namespace tavelao::business {

report::Layout FormEmpLayout();

}  // namespace tavelao::business
