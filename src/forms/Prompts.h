// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The prompt service: every message box, input box, file dialog, modal window
// and browser launch of the program goes through it. The program uses the Qt
// implementation (PromptsQt.h); tests install a scripted one (ScriptedPrompts.h)
// that answers from a queue and records what was shown, so no test ever blocks
// on a real modal dialog. It lives below the shell because the questionnaire
// pages show warnings for refused keystrokes too.

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QDialog;

// The program's name as the title of the box that reports a failed command.
inline const QString kTituloAplicacion = QStringLiteral("TELVO");

enum class TMsgKind
{
    Warning,
    Error,
    Information,
    Confirmation
};
enum class TMsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
enum class TMsgResult
{
    Ok,
    Cancel,
    Yes,
    No
};

enum class TFileDialogKind
{
    Open,
    Save
};

// One request for a file name.
struct TFileRequest
{
    TFileDialogKind kind = TFileDialogKind::Open;
    QString title;
    // "description|mask", e.g. "Datos ZOV (*.ZOV)|*.ZOV".
    QString filter;
    // The name proposed in the dialog; empty keeps the one last chosen there.
    QString proposedName;
    // Appended when the user types a name without an extension.
    QString defaultSuffix;

    bool operator==(const TFileRequest &) const = default;
};

class TPrompts
{
public:
    virtual ~TPrompts() = default;

    // Shows a message box and returns the button pressed (closing the box
    // counts as Cancel, as No without Cancel, as Ok with Ok alone). An empty title
    // gives the usual title of the kind ("Advertencia", "Error", ...).
    TMsgResult Message(TMsgKind kind, TMsgButtons buttons, const QString &text, const QString &title = {});

    // Asks for one line of text; nothing when the user cancels.
    virtual std::optional<QString> InputText(const QString &title, const QString &prompt,
                                             const QString &defaultText) = 0;
    // Asks for a file to open or to save; nothing when the user cancels.
    virtual std::optional<QString> AskFile(const TFileRequest &request) = 0;
    // Opens the address in the user's default browser; false when that failed.
    virtual bool OpenUrl(const QUrl &url) = 0;
    // Shows one of the program's own windows modally; returns its result code.
    virtual int RunModal(QDialog &dialog) = 0;

    // The usual title of a message box of the kind.
    static QString KindTitle(TMsgKind kind);

protected:
    virtual TMsgResult ShowMessage(TMsgKind kind, TMsgButtons buttons, const QString &title, const QString &text) = 0;
};

// Shorthands for the boxes the program shows most.
void MsgWarning(TPrompts &prompts, const QString &text);
void MsgError(TPrompts &prompts, const QString &text);
void MsgInformation(TPrompts &prompts, const QString &text);
// A confirmation with OK and Cancel; true for OK.
bool MsgConfirm(TPrompts &prompts, const QString &text);

// Runs one user command. An error raised inside it (any std::exception: the
// data layer's errors carry the user's text) stops the command and is shown in
// an error box titled "TELVO"; nothing escapes, so it is safe inside a Qt slot.
// True when the command ran to its end.
bool RunGuarded(TPrompts &prompts, const std::function<void()> &command);
