#pragma once

#include <optional>

#include "ui/dialogs.h"

namespace tw::bench {

// Answers every message box with OK and every file dialog with Cancel, without
// showing anything; counts the messages so a program can check it saw the
// welcome box.
class ScriptedDialogs final : public ui::Dialogs {
public:
    int Messages = 0;

    Answer ShowMessage(QWidget*, const Message&) override
    {
        ++Messages;
        return Answer::Ok;
    }

    std::optional<QString> ChooseProjectFile(QWidget*, FileMode, const QString&) override { return std::nullopt; }
    std::optional<int> AskNumber(QWidget*, const QString&, const QString&, int, int, int, const std::function<QString(int)>&) override
    {
        return std::nullopt;
    }
    std::optional<QString> ChooseFile(QWidget*, FileMode, const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> ChooseBinaryFile(QWidget*, const QString&) override { return std::nullopt; }
};

} // namespace tw::bench
