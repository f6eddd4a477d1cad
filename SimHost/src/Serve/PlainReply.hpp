// A JSON answer sent as it is: the HTTP library would otherwise compress it at its slowest
// setting, which on the loopback interface only costs time.
#pragma once

#include <string>

namespace httplib {
struct Response;
}

namespace SimHost::Serve {

void ReplyPlainJson (httplib::Response& response, int status, std::string body);

}   // namespace SimHost::Serve
