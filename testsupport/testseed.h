#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QTest>
#include <QtGlobal>

namespace lume::test {

// A random generator for one test case, seeded so that a failure can be replayed: with the seed
// given in LUME_TEST_SEED when that is set, else with the case's own fixed seed. When the case
// fails, the seed is printed, and running the test again with LUME_TEST_SEED set to it replays it.
class TestSeed
{
public:
    explicit TestSeed(quint32 fixedSeed)
        : m_seed(seedFromEnvironment(fixedSeed))
        , m_generator(m_seed)
    { }
    ~TestSeed()
    {
        if (QTest::currentTestFailed())
            qWarning("Random values of this case came from seed %u (replay: LUME_TEST_SEED=%u)", m_seed,
                     m_seed);
    }
    TestSeed(const TestSeed &) = delete;
    TestSeed &operator=(const TestSeed &) = delete;

    [[nodiscard]] quint32 seed() const { return m_seed; }
    [[nodiscard]] QRandomGenerator &generator() { return m_generator; }
    QRandomGenerator *operator->() { return &m_generator; }

private:
    static quint32 seedFromEnvironment(quint32 fixedSeed)
    {
        bool ok = false;
        const quint32 given = qEnvironmentVariable("LUME_TEST_SEED").toUInt(&ok, 0);
        return ok ? given : fixedSeed;
    }

    quint32 m_seed;
    QRandomGenerator m_generator;
};

} // namespace lume::test
