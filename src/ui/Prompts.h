#pragma once

class QString;

// Questions and messages for the user. The program's own implementation shows message boxes; tests
// replay scripted answers.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A Yes/No question with the question icon and Yes as the default button; true for Yes.
    virtual bool askYesNo(const QString& question) = 0;
    // The same for a question whose Yes destroys or replaces something: No is the default button, so
    // that an Enter pressed by habit destroys nothing.
    virtual bool askYesNoDefaultNo(const QString& question) = 0;
    // An OK box with the error icon.
    virtual void showError(const QString& message) = 0;
    // An OK box with the warning icon.
    virtual void showWarning(const QString& message) = 0;
    // An OK box with the information icon, for news that needs no decision.
    virtual void showInformation(const QString& message) = 0;
};
