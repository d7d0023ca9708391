// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The prompt service of the running program: Qt's message boxes, input
// dialog, file dialogs and desktop services, with Spanish button texts.

#include "Prompts.h"

class TQtPrompts : public TPrompts
{
public:
    std::optional<QString> InputText(const QString &title, const QString &prompt, const QString &defaultText) override;
    std::optional<QString> AskFile(const TFileRequest &request) override;
    bool OpenUrl(const QUrl &url) override;
    int RunModal(QDialog &dialog) override;

    // The file-dialog filter in Qt's form for a "description|mask" filter:
    // the description is shown as written, the mask matches without regard to
    // case ("*.ZOV" also finds "acme.zov").
    static QString QtFilter(const QString &filter);

protected:
    TMsgResult ShowMessage(TMsgKind kind, TMsgButtons buttons, const QString &title, const QString &text) override;

private:
    // The file last chosen in each kind of dialog, proposed again when a
    // request brings no name of its own.
    QString _lastOpen;
    QString _lastSave;
};
