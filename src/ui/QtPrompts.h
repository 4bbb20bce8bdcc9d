#pragma once

#include "Prompts.h"

// Message boxes over the active window.
class QtPrompts final : public Prompts
{
public:
    bool askYesNo(const QString& question) override;
    bool askYesNoDefaultNo(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override;
    void showInformation(const QString& message) override;
};
