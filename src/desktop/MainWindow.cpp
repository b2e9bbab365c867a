#include "MainWindow.h"

#include "ChoiceBox.h"
#include "CommandRunner.h"
#include "Controls.h"
#include "DialogService.h"
#include "MainCommands.h"
#include "domain/db/ProgramFolder.h"
#include "AboutBox.h"
#include "SettingsDialog.h"
#include "Session.h"
#include "domain/db/Database.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QComboBox* makeCombo(const char* name) {
    QComboBox* combo = makeChoiceBox(QLatin1String(name));
    combo->setMinimumWidth(190);
    return combo;
}

QLabel* makeLabel(const char* name, const QString& text = {}) {
    auto* label = new QLabel(text);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

MainWindow::MainWindow(Database& data, Session& session, QWidget* parent)
    : QMainWindow(parent), data_(data), session_(session) {
    setObjectName(QStringLiteral("TFormMain"));
    setWindowTitle(QStringLiteral("Stavor"));
    resize(865, 466);
    buildCentralArea();
    buildMenuAndToolbar();

    setCommand(QStringLiteral("actInput"), [this] { inputModeExecute(); });
    setCommand(QStringLiteral("actSettings"), [this] {
        if (!options_)
            options_ = std::make_unique<SettingsDialog>(data_, this);
        options_->exec();
    });
    setCommand(QStringLiteral("actAbout"), [this] {
        if (!about_)
            about_ = std::make_unique<AboutBox>(this);
        about_->exec();
    });
    setCommand(QStringLiteral("actExit"), [this] { close(); });

    runCommand([this] {
        if (!data_.hasSettings())
            dialogs().information(QStringLiteral("Выбирайте пункт меню НАСТРОЙКА и сделайте первоначальную настройку."));
    });
    btnChoose_->setEnabled(false);
    setStatus(QStringLiteral("Выбирайте нужный пункт меню."));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCentralArea() {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    auto* frame = new QGroupBox;
    auto* frameLayout = new QGridLayout(frame);
    lblHeading_ = makeLabel("lblHeading");
    QFont heading = lblHeading_->font();
    heading.setBold(true);
    lblHeading_->setFont(heading);
    lblRegion_ = makeLabel("lblRegion");
    lblYear_ = makeLabel("lblYear");
    frameLayout->addWidget(lblHeading_, 0, 0, 1, 5, Qt::AlignHCenter);
    frameLayout->addWidget(makeLabel(nullptr, QStringLiteral("Регион:")), 1, 0);
    frameLayout->addWidget(lblRegion_, 1, 1);
    frameLayout->addWidget(makeLabel(nullptr, QStringLiteral("Год:")), 1, 2);
    frameLayout->addWidget(lblYear_, 1, 3);
    frameLayout->setColumnMinimumWidth(1, 260);
    frameLayout->setColumnStretch(4, 1);
    layout->addWidget(frame);

    auto* choice = new QGridLayout;
    cbRajon_ = makeCombo("cbRajon");
    cbXoz_ = makeCombo("cbXoz");
    cbKatXoz_ = makeCombo("cbKatXoz");
    cbKodPor_ = makeCombo("cbKodPor");
    const std::pair<const char*, QComboBox*> columns[] = {{"Выбор района:", cbRajon_},
                                                          {"Выбор хозяйства", cbXoz_},
                                                          {"Выбор категории хозяйства", cbKatXoz_},
                                                          {"Выбор кода породы", cbKodPor_}};
    int column = 0;
    for (const auto& [caption, combo] : columns) {
        choice->addWidget(new QLabel(QString::fromUtf8(caption)), 0, column);
        choice->addWidget(combo, 1, column++);
    }
    layout->addLayout(choice);
    connect(cbRajon_, &QComboBox::activated, this, [this] { runCommand([this] { cbRajonSelect(); }); });

    btnChoose_ = makeButton("btnChoose", QStringLiteral("Ввод"));
    connect(btnChoose_, &QPushButton::clicked, this, [this] { runCommand([this] { btnChooseClick(); }); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(btnChoose_);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->addStretch();
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

QAction* MainWindow::addCommand(const QString& name, const QString& text, int icon) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(text);
    action->setEnabled(false);
    if (icon >= 0)
        action->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    connect(action, &QAction::triggered, this, [this, name] { runAction(name); });
    return action;
}

void MainWindow::buildMenuAndToolbar() {
    std::map<QString, QAction*> tools;
    QToolBar* toolbar = addToolBar(QStringLiteral("ToolBar1"));
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setMovable(false);
    for (const MainCommand& c : toolbarCommands()) {
        if (!toolbar->actions().isEmpty())
            toolbar->addSeparator();
        QAction* action = addCommand(QLatin1String(c.name), QString::fromUtf8(c.text), c.icon);
        toolbar->addAction(action);
        tools[QLatin1String(c.name)] = action;
    }
    const auto tool = [&](const char* name) { return tools.at(QLatin1String(name)); };

    QMenu* entry = menuBar()->addMenu(QStringLiteral("Ввод и корректировка"));
    entry->addAction(tool("actInput"));
    entry->addAction(addCommand(QStringLiteral("actImportFarmWorkbook"),
                                QStringLiteral("Импорт таблиц хозяйства из Excel…")));
    QMenu* correction = entry->addMenu(QStringLiteral("Корректировка"));
    for (const CorrectionItem& item : correctionItems()) {
        const QString name = QStringLiteral("actCorrect%1").arg(item.selector);
        correction->addAction(addCommand(name, QString::fromUtf8(item.text)));
    }
    menuBar()->addMenu(QStringLiteral("Счет"))->addAction(addCommand(QStringLiteral("actTotals"),
                                                                      QStringLiteral("Счет по области")));
    QMenu* info = menuBar()->addMenu(QStringLiteral("Информация"));
    info->addAction(tool("actReceive"));
    info->addAction(tool("actSend"));
    QMenu* books = menuBar()->addMenu(QStringLiteral("Справочники"));
    for (const ReferenceBookItem& item : referenceBookItems())
        books->addAction(addCommand(QLatin1String(item.name), QString::fromUtf8(item.text)));
    // A menu bar would show the button's picture instead of the text, so the top-level item is
    // its own action that triggers the toolbar's.
    QAction* settingsItem = menuBar()->addAction(tool("actSettings")->text());
    settingsItem->setObjectName(QStringLiteral("actSettingsMenu"));
    connect(settingsItem, &QAction::triggered, tool("actSettings"), &QAction::trigger);
    QMenu* system = menuBar()->addMenu(QStringLiteral("Системные работы"));
    for (const char* name : {"actStatusReport", "actArchive", "actRestore", "actCompact"})
        system->addAction(tool(name));
    system->addAction(addCommand(QStringLiteral("actClean"), QStringLiteral("Очистить БД")));
    system->addAction(addCommand(QStringLiteral("actImportJet"), QStringLiteral("Импорт базы формата Jet…")));
    system->addAction(addCommand(QStringLiteral("actConsistency"), QStringLiteral("Проверка согласованности таблиц")));
    menuBar()->addAction(addCommand(QStringLiteral("actAbout"), QStringLiteral("О программе")));
    menuBar()->addAction(addCommand(QStringLiteral("actExit"), QStringLiteral("Выход")));
}

void MainWindow::setCommand(const QString& actionName, std::function<void()> handler) {
    handlers_[actionName] = std::move(handler);
    if (auto* action = findChild<QAction*>(actionName))
        action->setEnabled(true);
}

void MainWindow::runAction(const QString& name) {
    const auto it = handlers_.find(name);
    if (it != handlers_.end())
        runCommand(it->second);
}

void MainWindow::setStatus(const QString& text) { statusBar()->showMessage(text); }

QString MainWindow::districtName() const { return cbRajon_->currentText(); }
QString MainWindow::farmName() const { return cbXoz_->currentText(); }
QString MainWindow::categoryName() const { return cbKatXoz_->currentText(); }
QString MainWindow::breedName() const { return cbKodPor_->currentText(); }

void MainWindow::inputModeExecute() {
    setStatus(QStringLiteral(" Режим ввода. Выбирайте сначала РАЙОН, а потом ХОЗЯЙСТВО, КОД КАТЕГОРИИ ХОЗЯЙСТВА и "
                             "КОД ПОРОДЫ."));
    lblHeading_->setText(QStringLiteral("СВОД БОНИТИРОВКИ КРУПНОГО РОГАТОГО СКОТА МЯСНОГО НАПРАВЛЕНИЯ"));
    const RegionYear settings = data_.settings().value_or(RegionYear{});
    lblRegion_->setText(settings.regionName);
    lblYear_->setText(settings.year);
    session_.regionCode = settings.regionCode;
    session_.year = settings.year;
    session_.regionName = lblRegion_->text();
    if (!session_.regionName.isEmpty())
        fillChoices(cbRajon_, data_.districtNames(session_.regionName));
    fillChoices(cbKatXoz_, data_.categoryNames());
    fillChoices(cbKodPor_, data_.breedNames());
    btnChoose_->setEnabled(true);
}

void MainWindow::cbRajonSelect() {
    session_.regionName = lblRegion_->text();
    session_.districtName = cbRajon_->currentText();
    if (session_.districtName.isEmpty())
        return;
    fillChoices(cbXoz_, data_.farmNames(session_.regionName, session_.districtName));
}

void MainWindow::btnChooseClick() {
    for (const QComboBox* combo : {cbRajon_, cbXoz_, cbKatXoz_, cbKodPor_}) {
        if (combo->currentText().isEmpty()) {
            dialogs().information(QStringLiteral("Нужно выбрать все параметры!"));
            return;
        }
    }
    setStatus(QStringLiteral("Работа с таблицами."));
    if (entryOpener_)
        entryOpener_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    moveIncomingToArchive(data_.programFolder());
    event->accept();
}
