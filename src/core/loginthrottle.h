#ifndef LOGINTHROTTLE_H
#define LOGINTHROTTLE_H

#include <QtGlobal>

#include <functional>

// Slows down password guessing: after FREE_FAILURES failed logins in a row, each further failure
// is answered only after a wait that grows by one second per failure, up to MAX_DELAY_SECONDS.
// A successful login starts the count again. The login dialog uses the one instance of the
// process, so closing and reopening the dialog neither resets the count nor ends a wait.
class LoginThrottle
{
public:
    static constexpr int FREE_FAILURES = 3;
    static constexpr int MAX_DELAY_SECONDS = 30;

    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    // A default clock is a steady clock of the machine.
    explicit LoginThrottle(Clock clock = Clock());

    // The instance the login dialog uses.
    static LoginThrottle& Process();

    // Seconds to wait before answering the failure that is the given number in a row (from 1).
    static int DelaySeconds(int consecutiveFailures);

    // Counts a failed login and starts its wait; returns the wait in seconds (0: answer now).
    int RecordFailure();
    // A successful login: the count starts again and a running wait ends.
    void RecordSuccess();

    int ConsecutiveFailures() const { return m_failures; }
    // Milliseconds left of the running wait, 0 when there is none.
    qint64 RemainingMs() const;
    // The running wait in whole seconds, rounded up, as the dialog shows it.
    int RemainingSeconds() const;

    // Length of one second of waiting in milliseconds (1000); tests make it short.
    void SetSecondLength(int ms);
    int SecondLength() const { return m_secondMs; }
    void SetClock(Clock clock);

private:
    Clock m_clock;
    int m_failures = 0;
    int m_secondMs = 1000;
    bool m_waiting = false;
    qint64 m_waitUntil = 0;
};

#endif // LOGINTHROTTLE_H
