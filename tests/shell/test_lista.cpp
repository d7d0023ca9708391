// SPDX-License-Identifier: EUPL-1.2
// The application list: what it lists, the name a new application gets, the
// duplicate warning, opening and deleting.
#include "ShellFixture.h"

#include "UAuxiliar.h"
#include "UGestionSolicitudes.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

struct TCasoNombre
{
    const char *tecleado;
    const char *resultado;
};

// Capitals a-z only; what is not a blank, "&", a digit, A-Z or one of the
// accented capitals becomes a blank (lower-case accented letters too).
const TCasoNombre kNombres[] = {
    {"Compañía Ñandú, S.L.", "COMPA  A ÑAND   S L "},
    {"acme & hijos 2024", "ACME & HIJOS 2024"},
    {"ÁÇÉÍÑÓÚÜ", "ÁÇÉÍÑÓÚÜ"},
    {"áçéíñóúü", "        "},
    {"Vía-Láctea/3", "V A L CTEA 3"},
    {"tab\there", "TAB HERE"},
    {"", ""},
};

} // namespace

class ListaTest : public ShellTest
{
protected:
    TFSolicitudes &Lista() const { return *V().FSolicitudes; }
    QListWidget *Nombres() const { return Lista().findChild<QListWidget *>(QStringLiteral("sgSolicitudes")); }
    QToolButton *Boton(const char *name) const { return Lista().findChild<QToolButton *>(QString::fromLatin1(name)); }
    QStringList Listados() const
    {
        QStringList nombres;
        for (int i = 0; i < Nombres()->count(); ++i)
            nombres.append(Nombres()->item(i)->text());
        return nombres;
    }
    void Mostrar() { Lista().show(); }
    void TearDown() override
    {
        Lista().hide();
        ShellTest::TearDown();
    }
};

TEST_F(ListaTest, CreatingUpperCasesAndBlanksEveryOtherCharacter)
{
    for (const TCasoNombre &c : kNombres)
        EXPECT_EQ(TFSolicitudes::NombreNormalizado(QString::fromUtf8(c.tecleado)), QString::fromUtf8(c.resultado))
            << c.tecleado;
}

TEST_F(ListaTest, ListsTheDataFilesByNameWhateverTheCaseOfTheirExtension)
{
    EscribirFichero(GetDataPath() + QStringLiteral("Ana.ZOV"), {QStringLiteral("Ana"), {}, {}, {}});
    EscribirFichero(GetDataPath() + QStringLiteral("beta.zov"), {QStringLiteral("beta"), {}, {}, {}});
    QFile notas(GetDataPath() + QStringLiteral("notas.txt"));
    ASSERT_TRUE(notas.open(QIODevice::WriteOnly));
    notas.close();

    Mostrar();
    EXPECT_EQ(Listados(), (QStringList{QStringLiteral("Ana"), QStringLiteral("beta")}));
    EXPECT_EQ(Lista().Solicitante(), QStringLiteral("Ana"));
    EXPECT_TRUE(Boton("sbAbrir")->isEnabled());
    EXPECT_TRUE(Boton("sbBorrar")->isEnabled());
}

TEST_F(ListaTest, AnEmptyFolderGivesAnEmptyListWhereOnlyCreatingWorks)
{
    Mostrar();
    EXPECT_TRUE(Listados().isEmpty());
    EXPECT_TRUE(Lista().Solicitante().isEmpty());
    EXPECT_TRUE(Boton("sbCrear")->isEnabled());
    EXPECT_FALSE(Boton("sbAbrir")->isEnabled());
    EXPECT_FALSE(Boton("sbBorrar")->isEnabled());
}

TEST_F(ListaTest, EveryShowingReadsTheFolderAgain)
{
    Mostrar();
    EXPECT_TRUE(Listados().isEmpty());
    Lista().hide();
    EscribirFichero(DataFile(QStringLiteral("NUEVA")), {QStringLiteral("NUEVA"), {}, {}, {}});
    Mostrar();
    EXPECT_EQ(Listados(), QStringList{QStringLiteral("NUEVA")});
}

TEST_F(ListaTest, CreatingANameThatIsListedInAnotherCaseWarnsAndKeepsTheListOpen)
{
    EscribirFichero(DataFile(QStringLiteral("ACME")), {QStringLiteral("ACME"), {}, {}, {}});
    Mostrar();
    _prompts.AnswerInput(QStringLiteral("acme"));
    Boton("sbCrear")->click();
    EXPECT_EQ(_prompts.TakeMessages(),
              QList{Warning(QStringLiteral("Ya existe una solicitud de inscripción para esa ZOV."))});
    EXPECT_TRUE(Lista().isVisible());
    EXPECT_EQ(Listados(), QStringList{QStringLiteral("ACME")});
    _prompts.TakeInputPrompts();
}

TEST_F(ListaTest, CancellingTheInputBoxLeavesTheListAsItWas)
{
    EscribirFichero(DataFile(QStringLiteral("ACME")), {QStringLiteral("ACME"), {}, {}, {}});
    Mostrar();
    _prompts.AnswerInput(std::nullopt);
    Boton("sbCrear")->click();
    EXPECT_TRUE(Lista().isVisible());
    EXPECT_EQ(Listados(), QStringList{QStringLiteral("ACME")});
    EXPECT_EQ(Lista().Solicitante(), QStringLiteral("ACME"));
    EXPECT_EQ(_prompts.TakeInputPrompts(), QStringList{QStringLiteral("Nueva solicitud|Razón Social del solicitante")});
}

TEST_F(ListaTest, CreatingANewNameClosesTheListWithIt)
{
    Mostrar();
    _prompts.AnswerInput(QStringLiteral("Compañía Ñandú, S.L."));
    Boton("sbCrear")->click();
    EXPECT_FALSE(Lista().isVisible());
    EXPECT_EQ(Lista().result(), QDialog::Accepted);
    EXPECT_EQ(Lista().Solicitante(), QStringLiteral("COMPA  A ÑAND   S L "));
    EXPECT_TRUE(FicherosEnCarpeta().isEmpty()) << "no file before the first save";
    _prompts.TakeInputPrompts();
}

TEST_F(ListaTest, DoubleClickingANameClosesTheListWithThatName)
{
    EscribirFichero(DataFile(QStringLiteral("ANA")), {QStringLiteral("ANA"), {}, {}, {}});
    EscribirFichero(DataFile(QStringLiteral("BETA")), {QStringLiteral("BETA"), {}, {}, {}});
    Mostrar();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Lista()));
    const QRect celda = Nombres()->visualItemRect(Nombres()->item(1));
    QTest::mouseClick(Nombres()->viewport(), Qt::LeftButton, {}, celda.center());
    QTest::mouseDClick(Nombres()->viewport(), Qt::LeftButton, {}, celda.center());
    QTRY_VERIFY(!Lista().isVisible());
    EXPECT_EQ(Lista().result(), QDialog::Accepted);
    EXPECT_EQ(Lista().Solicitante(), QStringLiteral("BETA"));
}

TEST_F(ListaTest, TheCloseButtonCancels)
{
    Mostrar();
    Boton("sbSalir")->click();
    EXPECT_FALSE(Lista().isVisible());
    EXPECT_EQ(Lista().result(), QDialog::Rejected);
}

TEST_F(ListaTest, DeletingAsksAndRemovesTheFileWhateverItsCase)
{
    EscribirFichero(GetDataPath() + QStringLiteral("Ana.zov"), {QStringLiteral("Ana"), {}, {}, {}});
    Mostrar();
    const QString pregunta = QStringLiteral(
        "Esta acción borrará definitivamente todos los datos de la solicitud de inscripción. ¿Desea continuar?");

    _prompts.AnswerMessage(TMsgResult::Cancel);
    Boton("sbBorrar")->click();
    EXPECT_EQ(FicherosEnCarpeta(), QStringList{QStringLiteral("Ana.zov")});

    _prompts.AnswerMessage(TMsgResult::Ok);
    Boton("sbBorrar")->click();
    EXPECT_TRUE(FicherosEnCarpeta().isEmpty());
    EXPECT_EQ(_prompts.TakeMessages(),
              QList<TScriptedPrompts::TShownMessage>(2, Box(TMsgKind::Confirmation, TMsgButtons::OkCancel, pregunta)));
    // The list stays open, empty, with nothing to open or delete.
    EXPECT_TRUE(Lista().isVisible());
    EXPECT_TRUE(Listados().isEmpty());
    EXPECT_FALSE(Boton("sbAbrir")->isEnabled());
    EXPECT_FALSE(Boton("sbBorrar")->isEnabled());
}
