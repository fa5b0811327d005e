#pragma once

#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

namespace tivak::test {

// Even when a test dies half way, the servers and recorders it started must not outlive it.
inline void stopsWithThisProcess(QProcess &process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

} // namespace tivak::test
