#include "support/RecordingDialogs.h"

namespace larkspan::test {
RecordingDialogs& dialogs()
{
    static RecordingDialogs recording;
    return recording;
}
} // namespace larkspan::test
