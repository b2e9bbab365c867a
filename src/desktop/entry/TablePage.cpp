#include "TablePage.h"

#include "CellValidator.h"
#include "PaintedPictureWidget.h"
#include "domain/tables/TableDefinition.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace {

constexpr int kTitleY = 8;
constexpr int kButtonSize = 35;

// Captions and value labels of the title row: region, district, farm, farm category, breed.
struct TitleSlot {
    const char* caption;
    int captionX;
    const char* valueName;
    int valueX;
};
const TitleSlot kTitleSlots[] = {
    {"Область -", 8, "lblObl", 72},          {"Район -", 120, "lblRaj", 168},
    {"Хозяйство -", 224, "lblXoz", 296},     {"Кат. хозяйства -", 352, "lblKatXoz", 448},
    {"Порода -", 520, "lblPor", 576},
};

QLabel* placeLabel(QWidget* parent, int x, int y, const QString& text, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

// The heading must end before the year label; a wide font is made smaller until it does.
void fitWidth(QLabel* label, int width) {
    QFont font = label->font();
    int size = QFontInfo(font).pixelSize();
    while (size > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > width)
        font.setPixelSize(--size);
    label->setFont(font);
    label->adjustSize();
}

QIcon standardIcon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName), QApplication::style()->standardIcon(fallback));
}

// A cell the user cannot type into is painted in the window's colour, not as an input field.
void showReadOnly(QLineEdit* field) {
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

// Reasons for which a field has not really been left: its window lost activation or a popup opened.
bool leavesField(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TablePage::TablePage(const TableDefinition& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName(table.pageName);
    // The positions of the paper form assume a small font: captions must fit between their lines.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    addTitleRow();
    addHeading();
    for (const PaintedPicture& picture : table.pictures)
        pictures_ << new PaintedPictureWidget(picture, this);
    for (const PageLabel& label : table.labels)
        placeLabel(this, label.x, label.y, label.text);
    addFields();
    addButtons();
    if (table.number == 1) {
        statusBar_ = new QStatusBar(this);
        statusBar_->setObjectName(QStringLiteral("StatusBarTable"));
        statusBar_->setSizeGripEnabled(false);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addStretch();
        layout->addWidget(statusBar_);
    }
}

QString TablePage::suffixed(const char* name) const {
    const QString base = QLatin1String(name);
    return table_.number == 1 ? base : base + QString::number(table_.number);
}

void TablePage::addTitleRow() {
    for (const TitleSlot& slot : kTitleSlots) {
        placeLabel(this, slot.captionX, kTitleY, QString::fromUtf8(slot.caption));
        titleValues_ << placeLabel(this, slot.valueX, kTitleY, {}, suffixed(slot.valueName));
    }
}

void TablePage::addHeading() {
    const PageHeading& h = table_.heading;
    fitWidth(placeLabel(this, h.textX, h.y, h.text), h.yearX - h.textX);
    year_ = placeLabel(this, h.yearX, h.y, {}, suffixed("lblYear"));
    placeLabel(this, h.yearWordX, h.y, QStringLiteral("ГОДУ"));
    placeLabel(this, h.tableNameX, h.y, table_.tableName());
}

void TablePage::addFields() {
    for (const CellDefinition& cell : table_.cells) {
        auto* field = new QLineEdit(this);
        field->setObjectName(fieldName(cell.name));
        field->setGeometry(cell.x, cell.y, cell.width, cell.height);
        field->setValidator(new CellValidator(cell.mask, field));
        if (cell.readOnly)
            showReadOnly(field);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, name = cell.name] { emit fieldEdited(name); });
        fields_ << field;
    }
    QList<int> order(fields_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return table_.cells[a].tabOrder < table_.cells[b].tabOrder; });
    for (int index : order)
        tabOrder_ << fields_[index];
    for (int i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

QLineEdit* TablePage::fieldAfter(const QWidget* from, bool forward) const {
    if (tabOrder_.isEmpty())
        return nullptr;
    const qsizetype count = tabOrder_.size();
    const qsizetype at = tabOrder_.indexOf(from);
    if (at < 0)
        return forward ? tabOrder_.first() : tabOrder_.last();
    return tabOrder_[(at + (forward ? 1 : count - 1)) % count];
}

void TablePage::addButtons() {
    connect(addButton("sbSave", 136, QStringLiteral("Сохранить"),
                      standardIcon("document-save", QStyle::SP_DialogSaveButton)),
            &QToolButton::clicked, this, &TablePage::saveClicked);
    connect(addButton("sbCancel", 184, QStringLiteral("Отменить"),
                      standardIcon("edit-clear", QStyle::SP_DialogResetButton)),
            &QToolButton::clicked, this, &TablePage::cancelClicked);
    QToolButton* toExcel = addButton("sbToExcel", 240, QStringLiteral("Сохранить таблицу в Excel"),
                                     standardIcon("x-office-spreadsheet", QStyle::SP_FileDialogDetailedView));
    connect(toExcel, &QToolButton::clicked, this, &TablePage::toExcelClicked);
    if (table_.number == 1)
        toExcel->setGeometry(240, 352, kButtonSize, 27);
    connect(addButton("sbPrint", 296, QStringLiteral("Печать"),
                      standardIcon("document-print", QStyle::SP_FileDialogContentsView)),
            &QToolButton::clicked, this, &TablePage::printClicked);
    connect(addButton("sbClose", 344, QStringLiteral("Выход"),
                      standardIcon("application-exit", QStyle::SP_DialogCloseButton)),
            &QToolButton::clicked, this, &TablePage::closeClicked);
}

QToolButton* TablePage::addButton(const char* name, int x, const QString& hint, const QIcon& icon) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name) + QString::number(table_.number));
    button->setGeometry(x, table_.buttonsY, kButtonSize, kButtonSize);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(false);
    // Picture buttons never take the focus, so pressing one does not leave the field being edited.
    button->setFocusPolicy(Qt::NoFocus);
    buttons_ << button;
    return button;
}

void TablePage::setTitle(const TableTitle& title) {
    const QString values[] = {title.oblm, title.rnm, title.khm, title.kkhm, title.porm};
    for (int i = 0; i < titleValues_.size(); ++i)
        setLabelText(titleValues_[i], values[i]);
    setLabelText(year_, title.godm);
}

void TablePage::setButtonsVisible(bool visible) {
    for (QToolButton* b : buttons_)
        b->setVisible(visible);
}

void TablePage::repaintPictures() {
    for (QWidget* p : pictures_)
        p->update();
}

bool TablePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && leavesField(static_cast<QFocusEvent*>(event)->reason())) {
        const int index = fields_.indexOf(qobject_cast<QLineEdit*>(watched));
        if (index >= 0)
            emit fieldLeft(table_.cells[index].name);
    }
    return QWidget::eventFilter(watched, event);
}
