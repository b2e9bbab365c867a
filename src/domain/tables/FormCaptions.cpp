#include "FormCaptions.h"

namespace {

QStringList repeated(const QStringList& captions, int times) {
    QStringList all;
    for (int i = 0; i < times; ++i)
        all << captions;
    return all;
}

} // namespace

HeaderCaptions headerCaptions(int table) {
    const QString head = QStringLiteral("Всего, гол.");
    const QString class1 = QStringLiteral("Соответ. 1 классу и выше");
    const QString meanWeight = QStringLiteral("Средняя живая масса 1 головы, кг");
    const QString meanHeight = QStringLiteral("Средняя высота в крестце, см");
    switch (table) {
    case 1:
        return {QStringLiteral("Группы животных"),
                {{2, 4, QStringLiteral("по породности")}, {5, 7, QStringLiteral("по классам")}},
                {QStringLiteral("Всего пробонитировано, гол."), QStringLiteral("ч/п и 4 поколения"),
                 QStringLiteral("3 поколения"), QStringLiteral("2 поколения"), QStringLiteral("Элита-рекорд"),
                 QStringLiteral("Элита"), QStringLiteral("1 класс")}};
    case 2:
        return {QStringLiteral("Группы животных"),
                {{1, 6, QStringLiteral("Возраст, лет")}},
                {QStringLiteral("до 2-х лет"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4-5"),
                 QStringLiteral("6-7"), QStringLiteral("8 лет и старше"), QStringLiteral("Итого")}};
    case 3:
        return {QStringLiteral("Возраст коров"),
                {{2, 8, QStringLiteral("Из них имеют массу, кг")}},
                {QStringLiteral("Всего коров"), QStringLiteral("до 350"), QStringLiteral("351-400"),
                 QStringLiteral("401-450"), QStringLiteral("451-500"), QStringLiteral("501-550"),
                 QStringLiteral("551-600"), QStringLiteral("более 600"), class1, meanWeight}};
    case 4: {
        const QStringList calving{
            QStringLiteral("Количество коров"), QStringLiteral("Выращено телят к отъему, всего гол."),
            QStringLiteral("Сред. живая масса 1 гол, кг"), QStringLiteral("Сред. живая масса в 205 дней")};
        return {QStringLiteral("Породность коров"),
                {{1, 4, QStringLiteral("ПЕРВЫЙ ОТЕЛ")},
                 {5, 8, QStringLiteral("ВТОРОЙ ОТЕЛ")},
                 {9, 12, QStringLiteral("ТРЕТИЙ ОТЕЛ и старше")},
                 {13, 15, QStringLiteral("СРЕДНЕЕ ПО СТАДУ")}},
                repeated(calving, 3) + QStringList{QStringLiteral("Возраст при отъеме, мес."),
                                                   QStringLiteral("Сред. живая масса при отъеме, кг"),
                                                   QStringLiteral("Сред. живая масса в 205 дней")}};
    }
    case 5:
        return {QStringLiteral("Группа быков по возрасту"),
                {{2, 10, QStringLiteral("Из них имеют живую массу, кг")}},
                {head, QStringLiteral("менее 500"), QStringLiteral("501-600"), QStringLiteral("601-700"),
                 QStringLiteral("701-800"), QStringLiteral("801-900"), QStringLiteral("901-1000"),
                 QStringLiteral("1001-1100"), QStringLiteral("1101-1200"), QStringLiteral("1201 и >"),
                 QStringLiteral("Число быков с жив. массой соотв. кл. элита и эл.рек."),
                 QStringLiteral("Средняя живая масса одного быка, кг"),
                 QStringLiteral("Средняя оценка в баллах одной головы")}};
    case 6:
        return {QStringLiteral("Возраст"),
                {{1, 3, QStringLiteral("Бычки")}, {4, 6, QStringLiteral("Телки")}},
                repeated({head, class1, meanWeight}, 2)};
    case 7:
        return {QStringLiteral("Возраст"),
                {{1, 2, QStringLiteral("Бычки")}, {3, 4, QStringLiteral("Телки")}},
                repeated({head, meanHeight}, 2)};
    case 8:
        return {QStringLiteral("Возраст"),
                {{1, 2, QStringLiteral("Быки")}, {3, 4, QStringLiteral("Коровы")}},
                repeated({head, meanHeight}, 2)};
    default:
        return {QStringLiteral("Группы молодняка"),
                {{2, 3, QStringLiteral("из них")}},
                {QStringLiteral("Реализовано всего, гол."), QStringLiteral("элита-рекорд и элита"),
                 QStringLiteral("1 класса")}};
    }
}

QStringList rowCaptions(int table) {
    switch (table) {
    case 1:
        return {QStringLiteral("Всего КРС"), QStringLiteral("быки-производители"),
                QStringLiteral("ремонтные бычки от 10 до 18 мес."), QStringLiteral("коровы"),
                QStringLiteral("телки старше 2-х лет и нетели")};
    case 2: return {QStringLiteral("Коровы"), QStringLiteral("Быки-производители")};
    case 3:
        return {QStringLiteral("2-Х и 3-Х ЛЕТ"), QStringLiteral("4-Х ЛЕТ"), QStringLiteral("5 ЛЕТ И СТАРШЕ"),
                QStringLiteral("ИТОГО ПО СТАДУ")};
    case 4:
        return {QStringLiteral("Чистопородные"), QStringLiteral("и IV поколение"), QStringLiteral("III поколение"),
                QStringLiteral("Всего")};
    case 5:
        return {QStringLiteral("2-Х ЛЕТ"), QStringLiteral("3-Х ЛЕТ"), QStringLiteral("4-Х ЛЕТ"),
                QStringLiteral("5 ЛЕТ И СТАРШЕ"), QStringLiteral("ИТОГО")};
    case 6:
        return {QStringLiteral("Новорожденные"), QStringLiteral("в возрасте: 205 дней"),
                QStringLiteral("12 мес."),       QStringLiteral("15 мес."),
                QStringLiteral("18 мес."),       QStringLiteral("ИТОГО")};
    case 7:
        return {QStringLiteral("205 дней"), QStringLiteral("12 мес."), QStringLiteral("15 мес."),
                QStringLiteral("18 мес."), QStringLiteral("ИТОГО")};
    case 8:
        return {QStringLiteral("2-х лет и младше"), QStringLiteral("3-х лет"), QStringLiteral("4-х лет"),
                QStringLiteral("5-ти лет и старше"), QStringLiteral("ИТОГО")};
    default: return {QStringLiteral("Бычки"), QStringLiteral("Телки"), QStringLiteral("ИТОГО")};
    }
}
