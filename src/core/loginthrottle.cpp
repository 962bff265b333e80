#include "core/loginthrottle.h"

#include <QElapsedTimer>

#include <utility>

namespace {

qint64 SteadyNow()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

} // namespace

LoginThrottle::LoginThrottle(Clock clock)
{
    SetClock(std::move(clock));
}

LoginThrottle& LoginThrottle::Process()
{
    static LoginThrottle throttle;
    return throttle;
}

int LoginThrottle::DelaySeconds(int consecutiveFailures)
{
    return qBound(0, consecutiveFailures - FREE_FAILURES, MAX_DELAY_SECONDS);
}

int LoginThrottle::RecordFailure()
{
    const int seconds = DelaySeconds(++m_failures);
    m_waiting = seconds > 0;
    if (m_waiting)
        m_waitUntil = m_clock() + qint64(seconds) * m_secondMs;
    return seconds;
}

void LoginThrottle::RecordSuccess()
{
    m_failures = 0;
    m_waiting = false;
}

qint64 LoginThrottle::RemainingMs() const
{
    if (!m_waiting)
        return 0;
    return qMax<qint64>(0, m_waitUntil - m_clock());
}

int LoginThrottle::RemainingSeconds() const
{
    const qint64 ms = RemainingMs();
    return int((ms + m_secondMs - 1) / m_secondMs);
}

void LoginThrottle::SetSecondLength(int ms)
{
    m_secondMs = qMax(1, ms);
}

void LoginThrottle::SetClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(&SteadyNow);
}
