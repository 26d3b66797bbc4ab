// The regression files under tests/fuzz/regressions/<target>/ go through their readers again.
#include "TestHelpers.h"
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(FuzzRegressions, EveryKeptFileGoesThroughItsReaderQuickly)
{
    const QDir root(QStringLiteral(TRAMBUL_SOURCE_DIR "/tests/fuzz/regressions"));
    int replayed = 0;
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const FuzzTarget* target = FindFuzzTarget(folder);
        ASSERT_NE(target, nullptr) << "no reader for regressions/" << folder.toStdString();
        const QDir dir(root.filePath(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            const QByteArray bytes = ReadBytes(dir.filePath(name));
            QElapsedTimer timer;
            timer.start();
            target->run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            EXPECT_LT(timer.elapsed(), 5000) << folder.toStdString() << "/" << name.toStdString();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}
