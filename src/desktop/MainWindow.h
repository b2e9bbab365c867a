#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class Database;
struct Session;
class SettingsDialog;
class AboutBox;

// The main window: menu, toolbar and the choice of a table title (district, farm, farm
// category, breed) that the data-entry window reads.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Database& data, Session& session, QWidget* parent = nullptr);
    Session& session() { return session_; }
    ~MainWindow() override;

    // The four chosen names, read by the data-entry window.
    QString districtName() const;
    QString farmName() const;
    QString categoryName() const;
    QString breedName() const;

    // Gives a command its handler and enables it; commands without one stay disabled.
    void setCommand(const QString& actionName, std::function<void()> handler);
    void setStatus(const QString& text);
    // What "Ввод" (btnChoose) opens once all four names are chosen.
    void setEntryOpener(std::function<void()> opener) { entryOpener_ = std::move(opener); }

public slots:
    void inputModeExecute();
    void cbRajonSelect();
    void btnChooseClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCentralArea();
    void buildMenuAndToolbar();
    QAction* addCommand(const QString& name, const QString& text, int icon = -1);
    void runAction(const QString& name);

    Database& data_;
    Session& session_;
    QLabel* lblHeading_ = nullptr;
    QLabel* lblRegion_ = nullptr;
    QLabel* lblYear_ = nullptr;
    QComboBox* cbRajon_ = nullptr;
    QComboBox* cbXoz_ = nullptr;
    QComboBox* cbKatXoz_ = nullptr;
    QComboBox* cbKodPor_ = nullptr;
    QPushButton* btnChoose_ = nullptr;
    std::map<QString, std::function<void()>> handlers_;
    std::function<void()> entryOpener_;
    std::unique_ptr<SettingsDialog> options_;
    std::unique_ptr<AboutBox> about_;
};
