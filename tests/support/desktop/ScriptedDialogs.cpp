#include "ScriptedDialogs.h"

bool ScriptedDialogs::confirm(const QString& text) {
    confirmations << text;
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

ScriptedDialogs& ScriptedDialogs::installFresh() {
    auto fresh = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *fresh;
    DialogService::install(std::move(fresh));
    return ref;
}

ScriptedDialogs& ScriptedDialogs::current() { return dynamic_cast<ScriptedDialogs&>(DialogService::instance()); }
