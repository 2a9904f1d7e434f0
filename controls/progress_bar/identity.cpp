#include "controls/progress_bar/identity.h"

#include "controls/progress_bar/ProgressBar.h"

namespace kolvetra {

using namespace platform::com;

const ServerDescription& DescribeServer()
{
    static const ServerDescription server{
        {kTypeLibName, kLIBID_Kolvetra, kTypeLibMajor, kTypeLibMinor, kTypeLibLocale},
        {
            {kCLSID_ProgressBar, kProgIdProgressBar, "ProgressBar", &CreateObjectOf<ProgressBar>,
             kToolboxPicture},
        }};
    return server;
}

} // namespace kolvetra
