// The regression files under tests/fuzz/regressions/<target>/ go through their readers again. How much work a reader
// may do is kept by the limits tested in HardeningTest, by what they count.
#include "TestHelpers.h"
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(FuzzRegressions, EveryKeptFileGoesThroughItsReader)
{
    const QDir root(QStringLiteral(TRAMBUL_SOURCE_DIR "/tests/fuzz/regressions"));
    int replayed = 0;
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const FuzzTarget* target = FindFuzzTarget(folder);
        ASSERT_NE(target, nullptr) << "no reader for regressions/" << folder.toStdString();
        const QDir dir(root.filePath(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            const QByteArray bytes = ReadBytes(dir.filePath(name));
            target->run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}
