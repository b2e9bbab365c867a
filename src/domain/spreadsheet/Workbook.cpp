#include "Workbook.h"

#include "SpreadsheetError.h"

#include <algorithm>

namespace {
constexpr int kMaxSheetNameLength = 31;

bool isValidSheetName(const QString& name) {
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    return !name.isEmpty() && name.size() <= kMaxSheetNameLength && !name.startsWith(u'\'') &&
           !name.endsWith(u'\'') && std::none_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); });
}
} // namespace

Workbook::Workbook() : formats_(std::make_unique<FormatTable>()) {}
Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;
Workbook::~Workbook() = default;

Worksheet& Workbook::addSheet(const QString& name) {
    if (!isValidSheetName(name))
        throw SpreadsheetError(QStringLiteral("Недопустимое имя листа «%1».").arg(name));
    if (findSheet(name))
        throw SpreadsheetError(QStringLiteral("Лист «%1» в книге уже есть.").arg(name));
    sheets_.push_back(std::unique_ptr<Worksheet>(new Worksheet(name, *formats_)));
    return *sheets_.back();
}

const Worksheet* Workbook::findSheet(const QString& name) const {
    const auto it = std::find_if(sheets_.begin(), sheets_.end(), [&](const auto& sheet) {
        return sheet->name().compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == sheets_.end() ? nullptr : it->get();
}

Worksheet* Workbook::findSheet(const QString& name) {
    return const_cast<Worksheet*>(std::as_const(*this).findSheet(name));
}

Worksheet& Workbook::sheet(const QString& name) {
    Worksheet* found = findSheet(name);
    if (!found)
        throw SpreadsheetError(QStringLiteral("В книге нет листа «%1».").arg(name));
    return *found;
}

void Workbook::setActiveSheet(const QString& name) {
    const Worksheet* wanted = &sheet(name);
    for (int i = 0; i < sheetCount(); ++i)
        if (&sheetAt(i) == wanted)
            activeSheet_ = i;
}
