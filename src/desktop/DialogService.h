#pragma once

#include <QString>
#include <memory>

// Every message box of the program goes through here, so that tests can answer them.
class DialogService {
public:
    virtual ~DialogService() = default;

    // Caption "Информация", one OK button.
    virtual void information(const QString& text) = 0;
    // The program's title as caption, one OK button: the plain messages of the file services.
    virtual void notice(const QString& text) = 0;
    // Yes and No; true only on Yes.
    virtual bool confirm(const QString& text) = 0;
    // The general error display.
    virtual void error(const QString& text) = 0;

    static DialogService& instance();
    // Replaces the service (tests install a scripted one); returns the previous one.
    static std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> service);
};

// The desktop message boxes.
class MessageBoxDialogs : public DialogService {
public:
    void information(const QString& text) override;
    void notice(const QString& text) override;
    bool confirm(const QString& text) override;
    void error(const QString& text) override;
};

inline DialogService& dialogs() { return DialogService::instance(); }
