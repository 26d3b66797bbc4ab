// The game's own work measured with Google Benchmark: the clock tick and a school year of ticks, the JPEG loader, the
// music codecs and the file readers. bench/speed.py runs it beside the reference tools and prints the ratios.
// Run from the repository root (the pictures and music are read from Data/). Files made for the run (a large photo,
// 50 MB music files) are given by the environment: BENCH_PHOTO, BENCH_BIG_MP3, BENCH_BIG_OGG.
#include "QuietUi.h"

#include "audio/ID3v2.h"
#include "audio/MP3Util.h"
#include "audio/MpgLib.h"
#include "audio/OggVorbis.h"
#include "audio/VorbisDll.h"
#include "core/Application.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/Picture.h"
#include "game/Forms.h"
#include "game/Unit1.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <array>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// ---- The clock ------------------------------------------------------------------------------------------------------

// The physical floor of a tick: the same kind of work a tick must do at the least, on texts held like the game's
// state. Five numbers read from text, ten minutes added with the carries, five numbers written back as text, and the
// text compares of the rules and the nine checks (location, job pay, girl flag, the hour and minute checks).
struct FloorState {
    std::array<QString, 12> values { QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("1"),
        QStringLiteral("9"), QStringLiteral("2005"), QStringLiteral("Сон"), QStringLiteral("0"), QStringLiteral("0"),
        QStringLiteral("25"), QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0") };
};

int FloorTick(FloorState& s)
{
    int hour = s.values[0].toInt();
    int minute = s.values[1].toInt() + 10;
    int day = s.values[2].toInt();
    int month = s.values[3].toInt();
    int year = s.values[4].toInt();
    if (minute > 59) {
        minute = 0;
        if (++hour > 23) {
            hour = 0;
            if (++day > 30) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
    }
    const int numbers[] = { hour, minute, day, month, year };
    for (int i = 0; i < 5; ++i) {
        QString text = QString::number(numbers[i]);
        if (s.values[i] != text)
            s.values[i] = std::move(text);
    }
    int hits = 0;
    hits += s.values[5] == QLatin1String("Сон");
    for (const char* pay : { "20", "30", "40", "60", "80", "110" })
        hits += s.values[6] == QLatin1String(pay);
    hits += s.values[7] == QLatin1String("1");
    hits += s.values[0] == QLatin1String("22") && s.values[1] == QLatin1String("0");
    hits += s.values[0] == QLatin1String("7") && s.values[1] == QLatin1String("0");
    hits += s.values[0] == s.values[8] && s.values[1] == QLatin1String("0");
    hits += s.values[2] == QLatin1String("5") && s.values[0] == QLatin1String("17");
    hits += s.values[10].toInt() <= 0 || s.values[11].toInt() < 1;
    return hits;
}

void BM_TickFloor(benchmark::State& bench)
{
    FloorState s;
    for (auto _ : bench)
        benchmark::DoNotOptimize(FloorTick(s));
}
BENCHMARK(BM_TickFloor);

void BM_ApplyClockRules(benchmark::State& bench)
{
    TGameState state;
    for (auto _ : bench) {
        ClockRulesOutcome outcome = ApplyClockRules(state);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ApplyClockRules);

// The game as at start-up (the main window and the name window made), none shown; the host answers every window with
// "Cancel".
struct HeadlessGame {
    QuietUi host;
    Ui* previous = InstallUi(&host);
    std::unique_ptr<Forms> forms = std::make_unique<Forms>();
    TGameState& state = forms->state();
    ~HeadlessGame()
    {
        forms.reset();
        InstallUi(previous);
    }

    void startYear()
    {
        state.restore(Field::Hour, QStringLiteral("6"));
        state.restore(Field::Minute, QStringLiteral("30"));
        state.restore(Field::Day, QStringLiteral("1"));
        state.restore(Field::Month, QStringLiteral("9"));
        state.restore(Field::Year, QStringLiteral("2005"));
    }
    // The scripted player eats, rests and stays cheerful once a day (at midnight), so the year is not cut short.
    void keepAliveAtMidnight()
    {
        if (state.text(Field::Hour) == QLatin1String("0") && state.text(Field::Minute) == QLatin1String("0")) {
            state.setNumber(Field::Satiety, 100);
            state.setNumber(Field::Mood, 100);
            state.setNumber(Field::Vigor, 100);
        }
    }
    // The last tick before the last bell: 24 May 2006, 7:50.
    bool yearOver() const
    {
        return state.text(Field::Month) == QLatin1String("5") && state.text(Field::Day) == QLatin1String("24")
            && state.text(Field::Hour) == QLatin1String("7") && state.text(Field::Minute) == QLatin1String("50");
    }
};

// Made on first use and ended before the application.
std::unique_ptr<HeadlessGame> TheGame;

HeadlessGame& Game()
{
    if (!TheGame)
        TheGame = std::make_unique<HeadlessGame>();
    return *TheGame;
}

void BM_GameClockTick(benchmark::State& bench)
{
    HeadlessGame& game = Game();
    game.startYear();
    TForm1& main = game.forms->form1();
    for (auto _ : bench) {
        main.GameClockTick();
        game.keepAliveAtMidnight();
        if (game.yearOver())
            game.startYear();
    }
}
BENCHMARK(BM_GameClockTick);

// 1 Sep 2005 6:30 to 24 May 2006 7:50, every tick of the clock, no window shown.
void BM_SchoolYear(benchmark::State& bench)
{
    HeadlessGame& game = Game();
    TForm1& main = game.forms->form1();
    std::int64_t ticks = 0;
    for (auto _ : bench) {
        game.startYear();
        while (!game.yearOver()) {
            main.GameClockTick();
            game.keepAliveAtMidnight();
            ++ticks;
        }
    }
    bench.counters["ticks"] = benchmark::Counter(double(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SchoolYear)->Unit(benchmark::kMillisecond)->Iterations(3);

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The clock at speed "3" (a tick every 10 ms) for two seconds of the event loop: the share of one core it takes.
void BM_Speed3CoreShare(benchmark::State& bench)
{
    HeadlessGame& game = Game();
    GameClock& clock = game.forms->form1().clock();
    for (auto _ : bench) {
        game.startYear();
        clock.setPeriod(ClockPeriodFast);
        const double cpuBefore = ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        clock.pause();
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        bench.counters["core_share_pct"] = 100.0 * cpu / (double(wall.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_Speed3CoreShare)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// ---- Pictures -------------------------------------------------------------------------------------------------------

void BM_LoadJpeg(benchmark::State& bench, const QString& path)
{
    for (auto _ : bench) {
        QImage image = LoadJpeg(path);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// ---- Music ----------------------------------------------------------------------------------------------------------

MpgLib& Mpg()
{
    static MpgLib library;
    library.Load();
    return library;
}

VorbisDll& Vorbis()
{
    static VorbisDll library;
    library.Load();
    return library;
}

// Feeds the file as the player does (4 KiB reads) and takes out everything decoded; returns the bytes of samples.
std::int64_t DecodeMp3(MpgLib& mpg, const QByteArray& bytes)
{
    void* stream = nullptr;
    if (mpg.OpenStream(&stream) != 0)
        return 0;
    std::vector<std::uint8_t> output(64 * 1024);
    std::int64_t total = 0;
    qsizetype position = 0;
    while (true) {
        const int length = int(std::min<qsizetype>(4096, bytes.size() - position));
        int written = 0;
        int result = mpg.DecodeChunk(stream, reinterpret_cast<const std::uint8_t*>(bytes.constData()) + position,
            length, output.data(), int(output.size()), &written);
        position += length;
        while (result == MPGLIB_OK && written > 0) {
            total += written;
            result = mpg.DecodeChunk(stream, nullptr, 0, output.data(), int(output.size()), &written);
        }
        if (result == MPGLIB_ERROR || position >= bytes.size())
            break;
    }
    mpg.CloseStream(stream);
    return total;
}

void BM_DecodeMp3(benchmark::State& bench, const QString& path)
{
    MpgLib& mpg = Mpg();
    if (!mpg.Loaded()) {
        bench.SkipWithError("libMPGLib.so not found");
        return;
    }
    std::int64_t samples = 0;
    for (auto _ : bench)
        samples = DecodeMp3(mpg, ReadWholeFile(path));
    bench.counters["pcm_bytes"] = double(samples);
}

void BM_DecodeOgg(benchmark::State& bench, const QString& path)
{
    VorbisDll& vorbis = Vorbis();
    if (!vorbis.Loaded()) {
        bench.SkipWithError("libVorbis.so not found");
        return;
    }
    const QByteArray name = QFile::encodeName(path);
    std::vector<std::uint8_t> output(64 * 1024);
    std::int64_t samples = 0;
    for (auto _ : bench) {
        VbDecoder decoder {};
        decoder.chunkSize = 256;
        VbInfo info {};
        if (vorbis.DecOpen(&decoder, &info, name.constData()) != 0) {
            bench.SkipWithError("the Ogg file does not open");
            return;
        }
        samples = 0;
        int got = 0;
        while ((got = vorbis.DecRead(&decoder, output.data(), int(output.size()))) > 0)
            samples += got;
        vorbis.DecClose(&decoder);
    }
    bench.counters["pcm_bytes"] = double(samples);
}

// ---- Readers --------------------------------------------------------------------------------------------------------

ByteSpan Span(const QByteArray& bytes)
{
    return ByteSpan(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
}

// The floor of the readers: the file read whole into memory, as every reader does first.
void BM_ReadWholeFile(benchmark::State& bench, const QString& path)
{
    for (auto _ : bench) {
        QByteArray bytes = ReadWholeFile(path);
        benchmark::DoNotOptimize(bytes.constData());
        bench.SetBytesProcessed(bench.bytes_processed() + bytes.size());
    }
}

// Every MPEG frame of the file, one after another, from the bytes in memory.
void BM_MP3FrameWalk(benchmark::State& bench, const QString& path)
{
    const QByteArray bytes = ReadWholeFile(path);
    const ByteSpan span = Span(bytes);
    std::int64_t frames = 0;
    for (auto _ : bench) {
        frames = 0;
        std::int64_t offset = 0;
        while (true) {
            const TFrameFound frame = FindMPEGFrame(span, offset, FrameScanLimit);
            if (!frame.found || frame.header.frameLength <= 0)
                break;
            ++frames;
            offset = frame.offset + frame.header.frameLength;
        }
    }
    bench.SetBytesProcessed(std::int64_t(bench.iterations()) * bytes.size());
    bench.counters["frames"] = double(frames);
}

template <class Reader> void BM_ReadFile(benchmark::State& bench, const QString& path)
{
    std::int64_t size = 0;
    for (auto _ : bench) {
        Reader reader;
        reader.ReadFile(path);
        benchmark::DoNotOptimize(&reader);
        size = QFileInfo(path).size();
    }
    bench.SetBytesProcessed(std::int64_t(bench.iterations()) * size);
}

QStringList Files(const QString& folder, const QStringList& patterns)
{
    QStringList found;
    QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    found.sort();
    return found;
}

void RegisterFileBenchmarks()
{
    QStringList pictures = Files(QStringLiteral("Data"), { QStringLiteral("*.jpg"), QStringLiteral("*.jpeg") });
    const QString photo = qEnvironmentVariable("BENCH_PHOTO");
    if (!photo.isEmpty())
        pictures.append(photo);
    for (const QString& path : pictures)
        benchmark::RegisterBenchmark(("BM_LoadJpeg/" + path).toStdString().c_str(), BM_LoadJpeg, path)
            ->Unit(benchmark::kMicrosecond);
    for (const QString& path : Files(QStringLiteral("Data/Soundtracks"), { QStringLiteral("*.mp3") }))
        benchmark::RegisterBenchmark(("BM_DecodeMp3/" + path).toStdString().c_str(), BM_DecodeMp3, path)
            ->Unit(benchmark::kMillisecond);
    for (const QString& path : Files(QStringLiteral("Data/Soundtracks"), { QStringLiteral("*.ogg") }))
        benchmark::RegisterBenchmark(("BM_DecodeOgg/" + path).toStdString().c_str(), BM_DecodeOgg, path)
            ->Unit(benchmark::kMillisecond);
    const QString bigMp3 = qEnvironmentVariable("BENCH_BIG_MP3");
    const QString bigOgg = qEnvironmentVariable("BENCH_BIG_OGG");
    if (!bigMp3.isEmpty()) {
        const std::string suffix = "/" + bigMp3.toStdString();
        benchmark::RegisterBenchmark(("BM_ReadWholeFile" + suffix).c_str(), BM_ReadWholeFile, bigMp3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_MP3FrameWalk" + suffix).c_str(), BM_MP3FrameWalk, bigMp3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_MP3Info" + suffix).c_str(), BM_ReadFile<TMP3Info>, bigMp3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_ID3v2" + suffix).c_str(), BM_ReadFile<TID3v2>, bigMp3)
            ->Unit(benchmark::kMillisecond);
    }
    if (!bigOgg.isEmpty()) {
        const std::string suffix = "/" + bigOgg.toStdString();
        benchmark::RegisterBenchmark(("BM_ReadWholeFile" + suffix).c_str(), BM_ReadWholeFile, bigOgg)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_OggVorbis" + suffix).c_str(), BM_ReadFile<TOggVorbis>, bigOgg)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    SetCodecFolder(QStringLiteral(TRAMBUL_CODEC_DIR));
    RegisterFileBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheGame.reset();
    return 0;
}
