// SPDX-License-Identifier: EUPL-1.2
#include "ShellFixture.h"

#include "AlignEdit.h"
#include "PaginaCuestionario.h"
#include "UAuxiliar.h"
#include "UGestionSolicitudes.h"
#include "UParticipantes.h"
#include "UPrincipal.h"
#include "USolicitante.h"
#include "USolicitud.h"

#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const TScriptedPrompts::TShownMessage &m, std::ostream *os)
{
    *os << "{kind " << int(m.kind) << ", buttons " << int(m.buttons) << ", \"" << m.title.toStdString() << "\", \""
        << m.text.toStdString() << "\"}";
}

TScriptedPrompts::TShownMessage Box(TMsgKind kind, TMsgButtons buttons, const QString &text, const QString &title)
{
    return {kind, buttons, title.isEmpty() ? TPrompts::KindTitle(kind) : title, text};
}

TScriptedPrompts::TShownMessage Warning(const QString &text)
{
    return Box(TMsgKind::Warning, TMsgButtons::Ok, text);
}

TScriptedPrompts::TShownMessage Information(const QString &text)
{
    return Box(TMsgKind::Information, TMsgButtons::Ok, text);
}

TScriptedPrompts::TShownMessage ErrorBox(const QString &text)
{
    return Box(TMsgKind::Error, TMsgButtons::Ok, text, QStringLiteral("TELVO"));
}

TDatosZOV Aplicacion(const TEjemplo &e)
{
    TDatosRegistroZOV datos;
    TDatosZOV zov = datos.ZOV;
    zov.Solicitud.Entidad = {e.razonSocial, e.cif};
    zov.Solicitante.Entidad = {e.solicitante, QString()};
    for (const QString &nombre : e.miembros) {
        TDatosMiembro m;
        m.Miembro.RazonSocial = nombre;
        m.ProductosLineas.resize(3);
        zov.Miembros.append(m);
    }
    return zov;
}

void EscribirFichero(const QString &path, const TEjemplo &e, const QString &pass)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    TDatosRegistroZOV datos;
    datos.ZOV = Aplicacion(e);
    datos.SaveToFile(path, pass);
}

TDatosZOV LeerFichero(const QString &path)
{
    TDatosRegistroZOV datos;
    datos.ReadFromFile(path, kDataFilePassPhrase);
    return datos.ZOV;
}

QStringList FicherosEnCarpeta()
{
    return QDir(GetDataPath()).entryList(QDir::Files, QDir::Name);
}

::testing::AssertionResult InOrder(const QStringList &actual, const QStringList &expected)
{
    qsizetype desde = 0;
    for (const QString &e : expected) {
        desde = actual.indexOf(e, desde);
        if (desde < 0)
            return ::testing::AssertionFailure()
                   << "missing \"" << e.toStdString() << "\" in order in: " << actual.join(" | ").toStdString();
        ++desde;
    }
    return ::testing::AssertionSuccess();
}

void ShellTest::SetUp()
{
    ASSERT_TRUE(_temp.isValid());
    // A data folder of its own for every test: ctest runs them side by side.
    qputenv("XDG_DATA_HOME", _temp.filePath(QStringLiteral("xdg")).toLocal8Bit());
    ASSERT_FALSE(QDir(GetDataPath()).exists());
    _prompts.OnUnexpected = [](const QString &question) { ADD_FAILURE() << question.toStdString(); };
    _v = CrearVentanas(_prompts, {});
    // Status messages are recorded and still reach the window's status bar.
    SetMsgBarSink([this](const QString &text) {
        _status.append(text);
        _v.FPrincipal->MostrarMensaje(text);
    });
    Principal().show();
    Principal().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Principal()));
}

void ShellTest::TearDown()
{
    EXPECT_TRUE(_prompts.AllAnswersUsed()) << "answers left unused";
    const QList<TScriptedPrompts::TShownMessage> sobrantes = _prompts.TakeMessages();
    EXPECT_TRUE(sobrantes.isEmpty()) << "unchecked boxes, first: " << ::testing::PrintToString(sobrantes.value(0));
    _prompts.TakeDialogs();
    EXPECT_TRUE(_prompts.NothingUntaken()) << "unchecked prompts";
    _v = TVentanasPrograma();
}

TDatosZOV &ShellTest::Zov() const
{
    return Principal().CurrentZOV().ZOV;
}

QToolButton *ShellTest::Tb(const char *name) const
{
    auto *b = Principal().findChild<QToolButton *>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void ShellTest::Click(const char *name)
{
    QToolButton *b = Tb(name);
    ASSERT_TRUE(b->isEnabled()) << name << " is disabled";
    b->click();
}

void ShellTest::VerPagina(const char *boton)
{
    if (!Tb(boton)->isChecked())
        Click(boton);
}

TAlignEdit *ShellTest::Campo(QWidget *page, const char *name) const
{
    auto *box = page->findChild<TAlignEdit *>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

void ShellTest::Escribir(QWidget *page, const char *name, const QString &text)
{
    TAlignEdit *box = Campo(page, name);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

QWidget *ShellTest::PaginaVisible() const
{
    for (QWidget *p : {static_cast<QWidget *>(_v.FSolicitud), static_cast<QWidget *>(_v.FSolicitante),
                       static_cast<QWidget *>(_v.FMiembros)}) {
        if (p->isVisible())
            return p;
    }
    return nullptr;
}

void ShellTest::CrearEnLista(const QString &typed)
{
    _prompts.AnswerDialog([](QDialog &d) { d.findChild<QToolButton *>(QStringLiteral("sbCrear"))->click(); });
    _prompts.AnswerInput(typed);
}

void ShellTest::AbrirEnLista(const QString &name)
{
    _prompts.AnswerDialog([name](QDialog &d) {
        auto *lista = d.findChild<QListWidget *>(QStringLiteral("sgSolicitudes"));
        const QList<QListWidgetItem *> items = lista->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        lista->setCurrentItem(items.constFirst());
        d.findChild<QToolButton *>(QStringLiteral("sbAbrir"))->click();
    });
}

void ShellTest::CrearYCargar(const QString &typed)
{
    CrearEnLista(typed);
    Click("tbLoad");
    EXPECT_EQ(_prompts.TakeDialogs(), QStringList{QStringLiteral("FSolicitudes")});
    EXPECT_EQ(_prompts.TakeInputPrompts(), QStringList{QStringLiteral("Nueva solicitud|Razón Social del solicitante")});
    TakeStatus();
}

void ShellTest::CargarEjemplo(const TEjemplo &e)
{
    EscribirFichero(DataFile(e.razonSocial), e);
    AbrirEnLista(e.razonSocial);
    Click("tbLoad");
    _prompts.TakeDialogs();
    ASSERT_EQ(Zov().Solicitud.Entidad.RazonSocial, e.razonSocial);
    TakeStatus();
}

QStringList ShellTest::TakeStatus()
{
    return std::exchange(_status, {});
}

QString ShellTest::DataFile(const QString &name) const
{
    return GetDataPath() + name + QStringLiteral(".ZOV");
}
