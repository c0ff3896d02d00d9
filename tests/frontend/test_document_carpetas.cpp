#include "compartido/carpetas.h"
#include "compartido/estado_global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {

TEST(Carpetas, WorkingFoldersUnderAWritableProgramFolder) {
    QTemporaryDir programa;
    EstadoGlobal estado;
    preparaCarpetas(estado, programa.path());
    EXPECT_EQ(estado.dirprograma, programa.path() + QLatin1Char('/'));
    EXPECT_EQ(estado.dirdatos, estado.dirprograma + QStringLiteral("datos/"));
    EXPECT_EQ(estado.dirresult, estado.dirprograma + QStringLiteral("result/"));
    EXPECT_TRUE(QFileInfo(estado.dirdatos).isDir());
    EXPECT_TRUE(QFileInfo(estado.dirresult).isDir());
    // A second start finds them there and keeps what they hold.
    QFile f(estado.dirdatos + QStringLiteral("a.qvd"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    preparaCarpetas(estado, programa.path() + QLatin1Char('/'));
    EXPECT_EQ(estado.dirprograma, programa.path() + QLatin1Char('/'));
    EXPECT_TRUE(QFile::exists(estado.dirdatos + QStringLiteral("a.qvd")));
}

TEST(Carpetas, UserDataFolderWhenTheProgramFolderCannotHoldThem) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir raiz;
    // A file where the datos folder should go: the folders cannot be made there.
    QFile estorbo(raiz.filePath(QStringLiteral("datos")));
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    EstadoGlobal estado;
    preparaCarpetas(estado, raiz.path());
    const QString usuario =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
    EXPECT_EQ(estado.dirprograma, raiz.path() + QLatin1Char('/'));
    EXPECT_EQ(estado.dirdatos, usuario + QStringLiteral("datos/"));
    EXPECT_EQ(estado.dirresult, usuario + QStringLiteral("result/"));
    EXPECT_TRUE(QFileInfo(estado.dirdatos).isDir());
    EXPECT_TRUE(QFileInfo(estado.dirresult).isDir());
    QDir(usuario).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

TEST(Carpetas, AnInstalledCopyWorksInTheUserDataFolderWithTheSharedExamples) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir prefijo;
    const QString compartida = prefijo.filePath(QStringLiteral("share/oscilab/"));
    ASSERT_TRUE(QDir().mkpath(prefijo.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QDir().mkpath(compartida + QStringLiteral("datos")));
    QFile ejemplo(compartida + QStringLiteral("datos/H2.qvd"));
    ASSERT_TRUE(ejemplo.open(QIODevice::WriteOnly));
    ejemplo.write("H2\r\n");
    ejemplo.close();
    const QString usuario =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
    QDir(usuario).removeRecursively();

    EstadoGlobal estado;
    // The bin folder is writable, yet an installed copy keeps its documents per user.
    preparaCarpetas(estado, prefijo.filePath(QStringLiteral("bin")));
    EXPECT_EQ(carpetaCompartida(estado.dirprograma), compartida);
    EXPECT_EQ(estado.dirdatos, usuario + QStringLiteral("datos/"));
    EXPECT_EQ(estado.dirresult, usuario + QStringLiteral("result/"));
    EXPECT_TRUE(QFile::exists(estado.dirdatos + QStringLiteral("H2.qvd")));
    EXPECT_FALSE(QFileInfo::exists(prefijo.filePath(QStringLiteral("bin/datos"))));
    QDir(usuario).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

TEST(Carpetas, ABuildTreeKeepsItsSharedFilesBesideThePrograms) {
    QTemporaryDir programa;
    EXPECT_EQ(carpetaCompartida(programa.path() + QLatin1Char('/')),
              programa.path() + QLatin1Char('/'));
}

} // namespace oscilab
