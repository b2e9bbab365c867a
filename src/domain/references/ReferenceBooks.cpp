#include "ReferenceBooks.h"

namespace {

const QString kRegionCode = QStringLiteral("Код региона");
const QString kRegionName = QStringLiteral("Регион (Республика, Край, Область)");
const QString kDistrictCode = QStringLiteral("Код района");
const QString kDistrictName = QStringLiteral("Наименование района");
const QString kFarmCode = QStringLiteral("Код хозяйства");
const QString kFarmName = QStringLiteral("Наименование хозяйства");
const QString kSent = QStringLiteral("Отправлено");
const QString kCode = QStringLiteral("Код");

ReferenceBook regions() {
    return {1, QStringLiteral("spobl"), QStringLiteral("Кодификатор РЕГИОНОВ (РЕСПУБЛИКА, КРАЙ, ОБЛАСТЬ)"),
            {QStringLiteral("select * from spobl order by kod"),
             {{QStringLiteral("kod"), 7, kRegionCode},
              {QStringLiteral("kodb"), 24, QStringLiteral("Буквенный код марки ГКПЖ")},
              {QStringLiteral("im"), 64, kRegionName}}},
            QStringLiteral("Укажите нужный Вам код РЕГИОНА"), QStringLiteral("kod"), false, {}, {}};
}

ReferenceBook districts() {
    BookEditing editing{{QStringLiteral("kodr"), QStringLiteral("kodraj"), QStringLiteral("im")},
                        {QStringLiteral("kodr"), QStringLiteral("kodraj")},
                        {QStringLiteral("kodr"), QStringLiteral("kodraj")},
                        QStringLiteral("spobl"),
                        {QStringLiteral("kodr")},
                        {QStringLiteral("kod")},
                        QStringLiteral("Региона с кодом %1 нет в справочнике регионов."),
                        QStringLiteral("SELECT kodr,kodraj,im FROM kodra order by kodr,kodraj"),
                        {{QStringLiteral("kodr"), 7, kRegionCode},
                         {QStringLiteral("kodraj"), 7, kDistrictCode},
                         {QStringLiteral("im"), 55, kDistrictName}}};
    return {2, QStringLiteral("kodra"), QStringLiteral("Кодификатор РАЙОНОВ"),
            {QStringLiteral("SELECT kodra.kodr, spobl.im AS \"spobl.im\", kodra.kodraj, kodra.im AS \"kodra.im\", "
                            "kodra.datesend FROM spobl INNER JOIN kodra ON spobl.kod = kodra.kodr "
                            "order by kodr,kodraj"),
             {{QStringLiteral("kodr"), 7, kRegionCode},
              {QStringLiteral("spobl.im"), 38, kRegionName},
              {QStringLiteral("kodraj"), 7, kDistrictCode},
              {QStringLiteral("kodra.im"), 38, kDistrictName},
              {QStringLiteral("datesend"), 10, kSent}}},
            QStringLiteral("Укажите нужный Вам код РАЙОНА"), QStringLiteral("kodraj"), true, editing,
            {QStringLiteral("SELECT kodra.kodr, spobl.im AS \"spobl.im\", kodra.kodraj, kodra.im AS \"kodra.im\" "
                            "FROM spobl INNER JOIN kodra ON spobl.kod = kodra.kodr order by kodr,kodraj"),
             {{QStringLiteral("kodr"), 7, kRegionCode},
              {QStringLiteral("spobl.im"), 55, kRegionName},
              {QStringLiteral("kodraj"), 7, kDistrictCode},
              {QStringLiteral("kodra.im"), 55, kDistrictName}}}};
}

// A farm belongs to the district of its own region: every join names both codes.
ReferenceBook farms() {
    BookEditing editing{
        {QStringLiteral("kodr"), QStringLiteral("kodraj"), QStringLiteral("kodx"), QStringLiteral("im")},
        {QStringLiteral("kodr"), QStringLiteral("kodraj"), QStringLiteral("kodx")},
        {QStringLiteral("kodr"), QStringLiteral("kodraj"), QStringLiteral("kodx")},
        QStringLiteral("kodra"),
        {QStringLiteral("kodr"), QStringLiteral("kodraj")},
        {QStringLiteral("kodr"), QStringLiteral("kodraj")},
        QStringLiteral("Района с кодом %2 нет в регионе с кодом %1."),
        QStringLiteral("SELECT kodr,kodraj,kodx,im FROM kodxoz order by kodr,kodraj,kodx"),
        {{QStringLiteral("kodr"), 7, kRegionCode},
         {QStringLiteral("kodraj"), 7, kDistrictCode},
         {QStringLiteral("kodx"), 7, kFarmCode},
         {QStringLiteral("im"), 30, kFarmName}}};
    const QString from = QStringLiteral(
        " FROM (kodxoz INNER JOIN kodra ON kodxoz.kodr = kodra.kodr and kodxoz.kodraj = kodra.kodraj) "
        "INNER JOIN spobl ON kodxoz.kodr = spobl.kod order by kodxoz.kodr,kodxoz.kodraj,kodxoz.kodx");
    const QString fields = QStringLiteral(
        "SELECT kodxoz.kodr, spobl.im AS \"spobl.im\", kodxoz.kodraj, kodra.im AS \"kodra.im\", kodxoz.kodx, "
        "kodxoz.im AS \"kodxoz.im\"");
    return {3, QStringLiteral("kodxoz"), QStringLiteral("Кодификатор ХОЗЯЙСТВ"),
            {fields + QStringLiteral(", kodxoz.datesend") + from,
             {{QStringLiteral("kodr"), 7, kRegionCode},
              {QStringLiteral("spobl.im"), 25, kRegionName},
              {QStringLiteral("kodraj"), 7, kDistrictCode},
              {QStringLiteral("kodra.im"), 25, kDistrictName},
              {QStringLiteral("kodx"), 7, kFarmCode},
              {QStringLiteral("kodxoz.im"), 25, kFarmName},
              {QStringLiteral("datesend"), 10, kSent}}},
            QStringLiteral("Укажите нужный Вам код ХОЗЯЙСТВА"), QStringLiteral("kodx"), true, editing,
            {fields + from,
             {{QStringLiteral("kodr"), 7, kRegionCode},
              {QStringLiteral("spobl.im"), 30, kRegionName},
              {QStringLiteral("kodraj"), 7, kDistrictCode},
              {QStringLiteral("kodra.im"), 30, kDistrictName},
              {QStringLiteral("kodx"), 7, kFarmCode},
              {QStringLiteral("kodxoz.im"), 30, kFarmName}}}};
}

ReferenceBook categories() {
    return {4, QStringLiteral("kodkx"), QStringLiteral("Кодификатор КАТЕГОРИЙ ХОЗЯЙСТВ"),
            {QStringLiteral("select * from kodkx order by kkx"),
             {{QStringLiteral("kkx"), 7, kCode}, {QStringLiteral("imy"), 24, QStringLiteral("Категория хозяйства")}}},
            QStringLiteral("Укажите нужный Вам код КАТЕГОРИИ"), QStringLiteral("kkx"), false, {}, {}};
}

ReferenceBook breeds() {
    return {5, QStringLiteral("sppor"), QStringLiteral("Кодификатор ПОРОД МЯСНОГО НАПРАВЛЕНИЯ КРС"),
            {QStringLiteral("select kod,im from sppor order by kod"),
             {{QStringLiteral("kod"), 10, kCode}, {QStringLiteral("im"), 50, QStringLiteral("Наименование породы")}}},
            QStringLiteral("Укажите нужный Вам код ПОРОДЫ"), QStringLiteral("kod"), false, {}, {}};
}

// Lines, improving breeds and bull categories are edited in the rows they show.
BookEditing inPlace(const QStringList& columns, const QStringList& codes, const QString& key) {
    return {columns, codes, {key}, {}, {}, {}, {}, {}, {}};
}

ReferenceBook lines() {
    return {6, QStringLiteral("sklin"), QStringLiteral("Кодификатор ЛИНИЙ МЯСНОГО НАПРАВЛЕНИЯ КРС"),
            {QStringLiteral("select * from sklin order by kod"),
             {{QStringLiteral("gr"), 10, QStringLiteral("Группа родственных пород")},
              {QStringLiteral("kod"), 7, kCode},
              {QStringLiteral("im"), 45, QStringLiteral("Кличка и номер родоначальника линии")},
              {QStringLiteral("gkp"), 45, QStringLiteral("Марка и номер ГКПЖ род. линии")}}},
            {}, QStringLiteral("kod"), true,
            inPlace({QStringLiteral("gr"), QStringLiteral("kod"), QStringLiteral("im"), QStringLiteral("gkp")},
                    {QStringLiteral("gr"), QStringLiteral("kod")}, QStringLiteral("kod")),
            {}};
}

ReferenceBook improvingBreeds() {
    return {7, QStringLiteral("kodup"), QStringLiteral("Кодификатор УЛУЧШАЮЩИХ ПОРОД"),
            {QStringLiteral("select * from kodup"), {{QStringLiteral("kodup"), 10, {}}, {QStringLiteral("kodu"), 10, {}}}},
            {}, QStringLiteral("kodup"), true,
            inPlace({QStringLiteral("kodup"), QStringLiteral("kodu")}, {QStringLiteral("kodup")}, QStringLiteral("kodup")),
            {}};
}

ReferenceBook countries() {
    return {8, QStringLiteral("kodst"), QStringLiteral("Кодификатор СТРАН"),
            {QStringLiteral("select * from kodst order by kodr"),
             {{QStringLiteral("kodr"), 10, kCode}, {QStringLiteral("im"), 40, QStringLiteral("Наименование страны")}}},
            QStringLiteral("Укажите нужный Вам код СТРАНЫ"), QStringLiteral("kodr"), false, {}, {}};
}

ReferenceBook bullCategories() {
    return {9, QStringLiteral("kodkb"), QStringLiteral("Кодификатор КАТЕГОРИЙ БЫКОВ"),
            {QStringLiteral("select * from kodkb order by kodr"),
             {{QStringLiteral("kodr"), 10, kCode}, {QStringLiteral("im"), 40, QStringLiteral("Категория быка")}}},
            {}, QStringLiteral("kodr"), true,
            inPlace({QStringLiteral("kodr"), QStringLiteral("im")}, {QStringLiteral("kodr")}, QStringLiteral("kodr")),
            {}};
}

} // namespace

const QList<ReferenceBook>& referenceBooks() {
    static const QList<ReferenceBook> books{regions(), districts(), farms(),     categories(),    breeds(),
                                            lines(),   improvingBreeds(), countries(), bullCategories()};
    return books;
}

const ReferenceBook* findReferenceBook(const QString& table) {
    for (const ReferenceBook& book : referenceBooks())
        if (book.table.compare(table.trimmed(), Qt::CaseInsensitive) == 0)
            return &book;
    return nullptr;
}
