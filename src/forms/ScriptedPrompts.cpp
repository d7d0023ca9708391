// SPDX-License-Identifier: EUPL-1.2
#include "ScriptedPrompts.h"

#include <QDialog>

#include <utility>

namespace {

template <class T> QList<T> Take(QList<T> &list)
{
    return std::exchange(list, {});
}

bool Offers(TMsgButtons buttons, TMsgResult answer)
{
    switch (buttons) {
    case TMsgButtons::Ok:
        return answer == TMsgResult::Ok;
    case TMsgButtons::OkCancel:
        return answer == TMsgResult::Ok || answer == TMsgResult::Cancel;
    case TMsgButtons::YesNo:
        return answer == TMsgResult::Yes || answer == TMsgResult::No;
    case TMsgButtons::YesNoCancel:
        return answer != TMsgResult::Ok;
    }
    return false;
}

} // namespace

void TScriptedPrompts::AnswerMessage(TMsgResult answer)
{
    _answers.emplace_back(answer);
}

void TScriptedPrompts::AnswerInput(std::optional<QString> answer)
{
    _answers.emplace_back(TInputAnswer{std::move(answer)});
}

void TScriptedPrompts::AnswerFile(std::optional<QString> answer)
{
    _answers.emplace_back(TFileAnswer{std::move(answer)});
}

void TScriptedPrompts::AnswerDialog(TDialogStep step)
{
    _answers.emplace_back(std::move(step));
}

QList<TScriptedPrompts::TShownMessage> TScriptedPrompts::TakeMessages()
{
    return Take(_messages);
}

QStringList TScriptedPrompts::TakeInputPrompts()
{
    return Take(_inputs);
}

QList<TFileRequest> TScriptedPrompts::TakeFileRequests()
{
    return Take(_files);
}

QList<QUrl> TScriptedPrompts::TakeOpenedUrls()
{
    return Take(_urls);
}

QStringList TScriptedPrompts::TakeDialogs()
{
    return Take(_dialogs);
}

bool TScriptedPrompts::NothingUntaken() const
{
    return _messages.isEmpty() && _inputs.isEmpty() && _files.isEmpty() && _urls.isEmpty() && _dialogs.isEmpty();
}

void TScriptedPrompts::Unexpected(const QString &description)
{
    if (OnUnexpected)
        OnUnexpected(description);
}

template <class T> std::optional<T> TScriptedPrompts::Next(const QString &question)
{
    if (_answers.empty() || !std::holds_alternative<T>(_answers.front())) {
        Unexpected(QStringLiteral("pregunta sin respuesta preparada: ") + question);
        return std::nullopt;
    }
    T answer = std::get<T>(std::move(_answers.front()));
    _answers.pop_front();
    return answer;
}

TMsgResult TScriptedPrompts::ShowMessage(TMsgKind kind, TMsgButtons buttons, const QString &title, const QString &text)
{
    _messages.append({kind, buttons, title, text});
    if (buttons == TMsgButtons::Ok)
        return TMsgResult::Ok;
    const std::optional<TMsgResult> answer = Next<TMsgResult>(text);
    const TMsgResult refusal = buttons == TMsgButtons::YesNo ? TMsgResult::No : TMsgResult::Cancel;
    if (!answer)
        return refusal;
    if (!Offers(buttons, *answer)) {
        Unexpected(QStringLiteral("respuesta que la caja no ofrece: ") + text);
        return refusal;
    }
    return *answer;
}

std::optional<QString> TScriptedPrompts::InputText(const QString &title, const QString &prompt, const QString &)
{
    _inputs.append(title + u'|' + prompt);
    const std::optional<TInputAnswer> answer = Next<TInputAnswer>(prompt);
    return answer ? answer->text : std::nullopt;
}

std::optional<QString> TScriptedPrompts::AskFile(const TFileRequest &request)
{
    _files.append(request);
    const std::optional<TFileAnswer> answer = Next<TFileAnswer>(request.title + u' ' + request.filter);
    return answer ? answer->file : std::nullopt;
}

bool TScriptedPrompts::OpenUrl(const QUrl &url)
{
    _urls.append(url);
    return OpenUrlResult;
}

int TScriptedPrompts::RunModal(QDialog &dialog)
{
    _dialogs.append(dialog.objectName());
    const std::optional<TDialogStep> step = Next<TDialogStep>(dialog.objectName());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (step)
        (*step)(dialog);
    if (dialog.isVisible()) {
        Unexpected(QStringLiteral("la ventana sigue abierta: ") + dialog.objectName());
        dialog.reject();
    }
    return dialog.result();
}
