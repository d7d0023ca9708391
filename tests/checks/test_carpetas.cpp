// SPDX-License-Identifier: EUPL-1.2
#include "UAuxiliar.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// Points XDG_DATA_HOME elsewhere for one test and puts the old value back.
class ScopedDataHome
{
public:
    explicit ScopedDataHome(const QString &path) : _previous(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(path));
    }
    ~ScopedDataHome() { qputenv("XDG_DATA_HOME", _previous); }
    ScopedDataHome(const ScopedDataHome &) = delete;
    ScopedDataHome &operator=(const ScopedDataHome &) = delete;

private:
    QByteArray _previous;
};

TEST(DataFolder, FollowsXdgDataHomeAndIsNotCreated)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ScopedDataHome scoped(home.path());
    EXPECT_EQ(LocalAppDataPath(), home.path() + QStringLiteral("/telvo"));
    EXPECT_EQ(GetDataPath(), home.path() + QStringLiteral("/telvo/"));
    EXPECT_FALSE(QDir(LocalAppDataPath()).exists());
}

class FindFilesNamesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_dir.isValid());
        for (const char *name : {"Ana.zov", "B.ZOV", "notes.txt", "a.b.zov", ".oculto.zov", "zov"})
            Touch(QString::fromLatin1(name));
        ASSERT_TRUE(QDir(_dir.path()).mkdir(QStringLiteral("x.zov")));
    }

    void Touch(const QString &name)
    {
        QFile file(_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir _dir;
};

TEST_F(FindFilesNamesTest, ListsMatchingFilesWithoutExtension)
{
    // Hidden files count, folders do not, and the mask ignores case.
    const QStringList expected = {QStringLiteral(".oculto"), QStringLiteral("a.b"), QStringLiteral("Ana"),
                                  QStringLiteral("B")};
    for (const QString &start : {_dir.path(), _dir.path() + u'/'}) {
        QStringList list;
        FindFilesNames(start, QStringLiteral("*.zov"), false, list);
        EXPECT_EQ(list, expected) << start.toStdString();
    }
}

TEST_F(FindFilesNamesTest, KeepsWhatTheListHeld)
{
    QStringList list = {QStringLiteral("Previo")};
    FindFilesNames(_dir.path(), QStringLiteral("*.TXT"), false, list);
    EXPECT_EQ(list, QStringList({QStringLiteral("Previo"), QStringLiteral("notes")}));
}

TEST_F(FindFilesNamesTest, NameWithoutFullStopStaysWhole)
{
    QStringList list;
    FindFilesNames(_dir.path(), QStringLiteral("z*"), false, list);
    EXPECT_EQ(list, QStringList({QStringLiteral("zov")}));
}

TEST_F(FindFilesNamesTest, MissingFolderListsNothing)
{
    QStringList list = {QStringLiteral("Previo")};
    FindFilesNames(_dir.filePath(QStringLiteral("no-existe")), QStringLiteral("*.zov"), false, list);
    EXPECT_EQ(list, QStringList({QStringLiteral("Previo")}));
}

class MsgBarTest : public testing::Test
{
protected:
    void TearDown() override { SetMsgBarSink(nullptr); }
};

TEST_F(MsgBarTest, WithoutSinkShowsNothing)
{
    EXPECT_FALSE(MsgBar(QStringLiteral("Guardando...")));
}

TEST_F(MsgBarTest, SinkReceivesEveryMessage)
{
    QStringList shown;
    SetMsgBarSink([&shown](const QString &text) { shown.append(text); });
    EXPECT_TRUE(MsgBar(QStringLiteral("Guardando...")));
    EXPECT_TRUE(MsgBar(QStringLiteral("Fichero guardado.")));
    EXPECT_EQ(shown, QStringList({QStringLiteral("Guardando..."), QStringLiteral("Fichero guardado.")}));
    SetMsgBarSink(nullptr);
    EXPECT_FALSE(MsgBar(QStringLiteral("Listo.")));
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(MsgBarTest, FailingSinkGivesFalseAndDoesNotThrow)
{
    SetMsgBarSink([](const QString &) { throw std::runtime_error("no status bar"); });
    EXPECT_NO_THROW(EXPECT_FALSE(MsgBar(QStringLiteral("Guardando..."))));
}

TEST_F(MsgBarTest, SinkMayReplaceItselfWhileRunning)
{
    QStringList shown;
    SetMsgBarSink([&shown](const QString &text) {
        SetMsgBarSink(nullptr);
        shown.append(text);
    });
    EXPECT_TRUE(MsgBar(QStringLiteral("Uno.")));
    EXPECT_FALSE(MsgBar(QStringLiteral("Dos.")));
    EXPECT_EQ(shown, QStringList({QStringLiteral("Uno.")}));
}

} // namespace
