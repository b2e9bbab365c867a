#include "StatusColumns.h"

const std::vector<StatusColumn>& statusReportColumns() {
    static const std::vector<StatusColumn> columns{
        {"number", 7, "  №п\\п"},        {"oblm", 10, "Код области"},     {"rnm", 10, "Код района"},
        {"khm", 10, "Код хозяйства"},    {"kkhm", 10, "Код кат.хоз-ва"},  {"porm", 10, "Код породы"},
        {"godm", 15, "Год бонитировки"}, {"tab1", 4, "Таб 1"},            {"tab2", 4, "Таб 2"},
        {"tab3", 4, "Таб 3"},            {"tab4", 4, "Таб 4"},            {"tab5", 4, "Таб 5"},
        {"tab6", 4, "Таб 6"},            {"tab7", 4, "Таб 7"},            {"tab8", 4, "Таб 8"},
        {"tab9", 4, "Таб 9"},
    };
    return columns;
}
