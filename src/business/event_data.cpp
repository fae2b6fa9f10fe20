#include "business/event_data.h"

#include <cmath>
#include <cstdio>

#include "common/text.h"

namespace tavelao::business {

std::string FormatEventDate(const std::optional<store::Date>& date) {
  if (!date) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date->day, date->month, date->year);
  return text;
}

Result<std::optional<store::Date>> ParseEventDate(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::optional<store::Date>();
  const auto bad = [&] {
    return Fail("\"" + std::string(text) +
                "\" não é uma data válida. Digite a data como dd/mm/aaaa, por exemplo 25/12/2026.");
  };
  const auto first = text.find('/');
  const auto second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return bad();
  const auto day = ParseInt32(text.substr(0, first));
  const auto month = ParseInt32(text.substr(first + 1, second - first - 1));
  const auto year = ParseInt32(text.substr(second + 1));
  if (!day || !month || !year || text.substr(second + 1).size() != 4) return bad();
  const store::Date date{*year, *month, *day};
  if (!store::IsValidDate(date)) return bad();
  return std::optional<store::Date>(date);
}

std::string FormatEventValue(const std::optional<double>& value) {
  if (!value) return {};
  const double rounded = std::round(*value * 100) / 100;
  if (rounded == 0) return {};
  if (rounded < 0) return std::to_string(static_cast<long long>(std::llround(-rounded)));
  const long long cents = std::llround(rounded * 100);
  const std::string whole = ThousandsDots(cents / 100);
  char fraction[4];
  std::snprintf(fraction, sizeof fraction, "%02lld", cents % 100);
  return whole + "," + fraction;
}

Result<std::optional<double>> ParseEventValue(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::optional<double>();
  const auto bad = [&] {
    return Fail("\"" + std::string(text) + "\" não é um valor válido. Digite o valor como 1.234,56.");
  };
  const auto comma = text.find(',');
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  // Thousands dots only in groups of three digits.
  std::string digits;
  std::size_t group = 0;
  bool dotted = false;
  for (char c : whole) {
    if (c == '.') {
      if (digits.empty() || (dotted && group != 3) || (!dotted && group > 3)) return bad();
      dotted = true;
      group = 0;
    } else if (c >= '0' && c <= '9') {
      digits += c;
      ++group;
    } else {
      return bad();
    }
  }
  if (digits.empty() || (dotted && group != 3) || digits.size() > 12) return bad();
  if (comma != std::string_view::npos &&
      (fraction.empty() || fraction.size() > 2 || fraction.find_first_not_of("0123456789") != std::string_view::npos)) {
    return bad();
  }
  double value = std::stod(digits);
  if (!fraction.empty()) value += std::stod(std::string(fraction)) / (fraction.size() == 1 ? 10.0 : 100.0);
  return std::optional<double>(value);
}

const char* EventFieldName(EventField field) {
  switch (field) {
    case EventField::kTitulo:
      return "Titulo";
    case EventField::kPromotor:
      return "Promotor";
    case EventField::kData:
      return "Data";
    case EventField::kHora:
      return "Hora";
    case EventField::kLocal:
      return "Local";
    case EventField::kValor:
      return "Valor";
    case EventField::kObs1:
      return "Obs1";
    case EventField::kObs2:
      return "Obs2";
  }
  return "";
}

const std::string& EventTexts::Of(EventField field) const {
  switch (field) {
    case EventField::kTitulo:
      return titulo;
    case EventField::kPromotor:
      return promotor;
    case EventField::kData:
      return data;
    case EventField::kHora:
      return hora;
    case EventField::kLocal:
      return local;
    case EventField::kValor:
      return valor;
    case EventField::kObs1:
      return obs1;
    case EventField::kObs2:
      return obs2;
  }
  return titulo;
}

namespace {

Status CheckEventFields(const store::Table& event) {
  for (EventField field : kEditedEventFields) {
    if (!event.HasField(EventFieldName(field))) {
      return Fail("A tabela \"" + event.file_name() + "\" não tem o campo " + EventFieldName(field) + ".");
    }
  }
  return {};
}

}  // namespace

Result<EventTexts> ReadEventTexts(store::Table& event) {
  if (auto checked = CheckEventFields(event); !checked) return std::move(checked).take_error();
  auto row = event.RowAt({}, 1);
  if (!row) return std::move(row).take_error();
  EventTexts texts;
  if (!*row) return texts;
  const store::Record& r = (*row)->record;
  texts.titulo = r.Text("Titulo");
  texts.promotor = r.Text("Promotor");
  texts.data = FormatEventDate(r.DateValue("Data"));
  texts.hora = r.Text("Hora");
  texts.local = r.Text("Local");
  texts.valor = FormatEventValue(r.Float("Valor"));
  texts.obs1 = r.Text("Obs1");
  texts.obs2 = r.Text("Obs2");
  return texts;
}

Status StoreEventField(store::Table& event, EventField field, std::string_view text) {
  if (auto checked = CheckEventFields(event); !checked) return checked;
  store::Value value;
  if (field == EventField::kData) {
    auto date = ParseEventDate(text);
    if (!date) return std::move(date).take_error();
    if (*date) value = **date;
  } else if (field == EventField::kValor) {
    auto amount = ParseEventValue(text);
    if (!amount) return std::move(amount).take_error();
    if (*amount) value = **amount;
  } else {
    value = std::string(text);
  }
  auto row = event.RowAt({}, 1);
  if (!row) return std::move(row).take_error();
  if (!*row) {
    store::Record record = event.NewRecord();
    record.Set(EventFieldName(field), std::move(value));
    auto id = event.Insert(record);
    if (!id) return std::move(id).take_error();
    return {};
  }
  store::Record record = (*row)->record;
  record.Set(EventFieldName(field), std::move(value));
  return event.Update((*row)->id, record);
}

}  // namespace tavelao::business
