#include "keyjob.h"

namespace playfair {

std::atomic<int> KeyJob::s_running{0};

KeyJob::KeyJob(analysis::DeductionInput input, analysis::FittingKeyOptions options)
    : ThreadJob(s_running)
    , m_input(std::move(input))
    , m_options(std::move(options))
{
    qRegisterMetaType<std::vector<analysis::FittingKey>>();
}

KeyJob::~KeyJob()
{
    stopAndWait();
}

int KeyJob::running()
{
    return s_running.load();
}

void KeyJob::work(std::stop_token stop)
{
    std::vector<analysis::FittingKey> keys;
    try {
        keys = analysis::fittingKeys(m_input, m_options, stop);
    } catch (const std::exception &) {
        // No key words, then: the list stays empty.
    }
    Q_EMIT finished(keys);
}

} // namespace playfair
