#include "compartido/carpetas.h"
#include "compartido/estado_global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oscilab {

namespace {

void escribe(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// A build tree works where an installed copy does: the user's documents outlive build/.
TEST(Carpetas, ABuildWorksInTheUserDataFolderAndNeverOverwritesAnExample) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir programa;
    ASSERT_TRUE(QDir(programa.path()).mkdir(QStringLiteral("datos")));
    escribe(programa.filePath(QStringLiteral("datos/H2.qvd")), "H2 ejemplo\r\n");
    const QString usuario =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
    QDir(usuario).removeRecursively();

    EstadoGlobal estado;
    preparaCarpetas(estado, programa.path());
    EXPECT_EQ(estado.dirprograma, programa.path() + QLatin1Char('/'));
    EXPECT_EQ(estado.dirdatos, usuario + QStringLiteral("datos/"));
    EXPECT_EQ(estado.dirresult, usuario + QStringLiteral("result/"));
    EXPECT_TRUE(QFileInfo(estado.dirresult).isDir());
    EXPECT_EQ(lee(estado.dirdatos + QStringLiteral("H2.qvd")), "H2 ejemplo\r\n");
    EXPECT_FALSE(QFileInfo::exists(programa.filePath(QStringLiteral("result"))));

    // The user edits an example and writes a document; a later start (a rebuilt program
    // with a changed example and a new one) keeps both and adds only the new example.
    escribe(estado.dirdatos + QStringLiteral("H2.qvd"), "H2 editado\r\n");
    escribe(estado.dirdatos + QStringLiteral("mio.qvd"), "mio\r\n");
    escribe(programa.filePath(QStringLiteral("datos/H2.qvd")), "H2 nuevo ejemplo\r\n");
    escribe(programa.filePath(QStringLiteral("datos/CO.qvd")), "CO\r\n");
    preparaCarpetas(estado, programa.path() + QLatin1Char('/'));
    EXPECT_EQ(estado.dirprograma, programa.path() + QLatin1Char('/'));
    EXPECT_EQ(lee(estado.dirdatos + QStringLiteral("H2.qvd")), "H2 editado\r\n");
    EXPECT_EQ(lee(estado.dirdatos + QStringLiteral("mio.qvd")), "mio\r\n");
    EXPECT_EQ(lee(estado.dirdatos + QStringLiteral("CO.qvd")), "CO\r\n");
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
