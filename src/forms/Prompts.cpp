// SPDX-License-Identifier: EUPL-1.2
#include "Prompts.h"

#include "ZovError.h"

#include <exception>

TMsgResult TPrompts::Message(TMsgKind kind, TMsgButtons buttons, const QString &text, const QString &title)
{
    return ShowMessage(kind, buttons, title.isEmpty() ? KindTitle(kind) : title, text);
}

QString TPrompts::KindTitle(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QStringLiteral("Advertencia");
    case TMsgKind::Error:
        return QStringLiteral("Error");
    case TMsgKind::Information:
        return QStringLiteral("Información");
    case TMsgKind::Confirmation:
        return QStringLiteral("Confirmación");
    }
    return {};
}

void MsgWarning(TPrompts &prompts, const QString &text)
{
    prompts.Message(TMsgKind::Warning, TMsgButtons::Ok, text);
}

void MsgError(TPrompts &prompts, const QString &text)
{
    prompts.Message(TMsgKind::Error, TMsgButtons::Ok, text);
}

void MsgInformation(TPrompts &prompts, const QString &text)
{
    prompts.Message(TMsgKind::Information, TMsgButtons::Ok, text);
}

bool MsgConfirm(TPrompts &prompts, const QString &text)
{
    return prompts.Message(TMsgKind::Confirmation, TMsgButtons::OkCancel, text) == TMsgResult::Ok;
}

bool RunGuarded(TPrompts &prompts, const std::function<void()> &command)
{
    QString error;
    try {
        command();
        return true;
    } catch (const std::exception &e) {
        error = ErrorText(e);
    } catch (...) {
        error = QStringLiteral("Error inesperado. La operación no se ha completado.");
    }
    // The box is shown outside the handler, so a failure while showing it
    // cannot meet the exception being handled.
    try {
        prompts.Message(TMsgKind::Error, TMsgButtons::Ok, error, kTituloAplicacion);
    } catch (...) {
    }
    return false;
}
