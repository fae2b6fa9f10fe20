#pragma once
// Between the free text as plain data and the editor's QTextDocument. Qt
// Gui only, so the command line prints what the editor would.

#include "texteditor/rich_text.h"

class QTextDocument;

namespace tavelao::texteditor {

// Replaces what the document holds. Runs without a font name take the
// document's default font; consecutive bullets form one list.
void FillDocument(QTextDocument& document, const RichText& text);

// Every block with its runs; list numbers become text, pictures are left
// out. Fonts and sizes the runs inherit are written out.
RichText ReadDocument(const QTextDocument& document);

}  // namespace tavelao::texteditor
