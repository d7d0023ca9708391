// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The prompt service of the tests: questions are answered from a queue filled
// in advance, and everything shown is recorded. Boxes with only an OK button
// need no answer; they are recorded for the test to take and check. A question
// nobody queued an answer for (or a different one) is unexpected: it is
// recorded, reported through OnUnexpected and answered with Cancel.

#include "Prompts.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <variant>

class TScriptedPrompts : public TPrompts
{
public:
    struct TShownMessage
    {
        TMsgKind kind;
        TMsgButtons buttons;
        QString title;
        QString text;

        bool operator==(const TShownMessage &) const = default;
    };
    using TDialogStep = std::function<void(QDialog &)>;

    // --- Answers, consumed in the order the questions are asked -------------
    void AnswerMessage(TMsgResult answer);
    // Nothing stands for cancelling the box.
    void AnswerInput(std::optional<QString> answer);
    void AnswerFile(std::optional<QString> answer);
    // The step runs while the window is shown (not modally) and must close it.
    void AnswerDialog(TDialogStep step);
    bool AllAnswersUsed() const { return _answers.empty(); }
    void ClearAnswers() { _answers.clear(); }

    // --- What was shown -------------------------------------------------------
    // The message boxes shown since the last take, in order; taking empties them.
    QList<TShownMessage> TakeMessages();
    const QList<TShownMessage> &Messages() const { return _messages; }
    QStringList TakeInputPrompts();
    QList<TFileRequest> TakeFileRequests();
    QList<QUrl> TakeOpenedUrls();
    // The objectNames of the windows shown modally.
    QStringList TakeDialogs();
    // True when nothing shown is left untaken.
    bool NothingUntaken() const;

    // Called with a description of every unexpected question (tests fail there).
    std::function<void(const QString &)> OnUnexpected;
    // What OpenUrl answers.
    bool OpenUrlResult = true;

    std::optional<QString> InputText(const QString &title, const QString &prompt, const QString &defaultText) override;
    std::optional<QString> AskFile(const TFileRequest &request) override;
    bool OpenUrl(const QUrl &url) override;
    int RunModal(QDialog &dialog) override;

protected:
    TMsgResult ShowMessage(TMsgKind kind, TMsgButtons buttons, const QString &title, const QString &text) override;

private:
    struct TInputAnswer
    {
        std::optional<QString> text;
    };
    struct TFileAnswer
    {
        std::optional<QString> file;
    };
    using TAnswer = std::variant<TMsgResult, TInputAnswer, TFileAnswer, TDialogStep>;

    // The next answer when it is of kind T; otherwise reports the question.
    template <class T> std::optional<T> Next(const QString &question);
    void Unexpected(const QString &description);

    std::deque<TAnswer> _answers;
    QList<TShownMessage> _messages;
    QStringList _inputs;
    QList<TFileRequest> _files;
    QList<QUrl> _urls;
    QStringList _dialogs;
};
