// Drawing one question must cost the same whatever the size of the level's file:
// the record count comes from the file size and only the drawn record is read.
#include "core/question.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_LoadRandomQuestion(benchmark::State& state)
{
    const auto records = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Text"));
    {
        QFile f(dir.filePath(QStringLiteral("Text/1.txt")));
        if (!f.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the question file");
            return;
        }
        zk::QuestionRecord r;
        r.Text.Assign("benchmark question");
        r.Correct = 'a';
        const QByteArray one(reinterpret_cast<const char*>(&r), sizeof r);
        QByteArray chunk;
        for (int i = 0; i < 1000; ++i)
            chunk += one;
        for (int left = records; left > 0; left -= 1000)
            f.write(left >= 1000 ? chunk : one.repeated(left));
    }
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (auto _ : state) {
        zk::QuestionRecord q = zk::LoadRandomQuestion(QStringLiteral("1.txt"));
        benchmark::DoNotOptimize(q);
    }
    QDir::setCurrent(old);
}

}  // namespace

BENCHMARK(BM_LoadRandomQuestion)->Arg(1)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
