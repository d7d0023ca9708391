// SPDX-License-Identifier: EUPL-1.2
// The prompt service: the guard every command runs in, and the file filters.
#include "ShellFixture.h"

#include "PromptsQt.h"
#include "ZovError.h"

TEST(Prompts, AnErrorStopsTheCommandAndIsShownInTheProgramsErrorBox)
{
    TScriptedPrompts prompts;
    bool siguio = false;
    EXPECT_FALSE(RunGuarded(prompts, [&] {
        throw ETextError(QStringLiteral("Error: 4093. Error al guardar el fichero de datos."));
        siguio = true;
    }));
    EXPECT_FALSE(siguio);
    EXPECT_EQ(prompts.TakeMessages(),
              QList{ErrorBox(QStringLiteral("Error: 4093. Error al guardar el fichero de datos."))});

    // Not even an error of another kind escapes.
    EXPECT_FALSE(RunGuarded(prompts, [] { throw 42; }));
    const QList<TScriptedPrompts::TShownMessage> cajas = prompts.TakeMessages();
    ASSERT_EQ(cajas.size(), 1);
    EXPECT_EQ(cajas[0].title, QStringLiteral("TELVO"));
    EXPECT_TRUE(RunGuarded(prompts, [] {}));
    EXPECT_TRUE(prompts.NothingUntaken());
}

TEST(Prompts, AQuestionNobodyPreparedAnAnswerForIsReportedAndRefused)
{
    TScriptedPrompts prompts;
    QStringList inesperadas;
    prompts.OnUnexpected = [&](const QString &q) { inesperadas.append(q); };
    EXPECT_FALSE(MsgConfirm(prompts, QStringLiteral("¿Seguro?")));
    prompts.AnswerMessage(TMsgResult::Ok);
    EXPECT_EQ(prompts.Message(TMsgKind::Confirmation, TMsgButtons::YesNoCancel, QStringLiteral("¿Guardar?")),
              TMsgResult::Cancel)
        << "OK is not a button of that box";
    EXPECT_EQ(inesperadas.size(), 2);
    prompts.TakeMessages();
}

TEST(Prompts, FileFiltersShowTheirDescriptionAndMatchWithoutRegardToCase)
{
    EXPECT_EQ(TQtPrompts::QtFilter(QStringLiteral("Datos ZOV (*.ZOV)|*.ZOV")),
              QStringLiteral("Datos ZOV (*.ZOV) (*.[Zz][Oo][Vv])"));
    EXPECT_EQ(TQtPrompts::QtFilter(QStringLiteral("Cuestionarios en PDF (*.pdf)|*.pdf")),
              QStringLiteral("Cuestionarios en PDF (*.pdf) (*.[Pp][Dd][Ff])"));
}
