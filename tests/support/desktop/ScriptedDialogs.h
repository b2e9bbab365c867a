#pragma once

#include "desktop/DialogService.h"

#include <QString>
#include <QStringList>
#include <deque>

// Records every message instead of showing it; confirmations take queued answers (Yes when
// none is queued).
class ScriptedDialogs : public DialogService {
public:
    void information(const QString& text) override { messages << text; }
    void notice(const QString& text) override { notices << text; }
    bool confirm(const QString& text) override;
    void error(const QString& text) override { errors << text; }

    QStringList messages;
    QStringList notices;
    QStringList confirmations;
    QStringList errors;
    std::deque<bool> answers;

    // Installs a new recorder and returns it; the service owns it.
    static ScriptedDialogs& installFresh();
    static ScriptedDialogs& current();
};
