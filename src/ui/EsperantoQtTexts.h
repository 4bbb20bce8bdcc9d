#pragma once

#include <QTranslator>

// The texts that Qt shows on its own (message-box buttons, the file chooser, the edit fields' menu),
// in Esperanto, so that the whole program speaks one language. Install it once on the application.
class EsperantoQtTexts final : public QTranslator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EsperantoQtTexts)

public:
    explicit EsperantoQtTexts(QObject* parent = nullptr);

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
};
