#include "PlainReply.hpp"

#include <httplib.h>

#include <memory>

namespace SimHost::Serve {

void ReplyPlainJson (httplib::Response& response, int status, std::string body)
{
    response.status = status;
    const auto held = std::make_shared<const std::string> (std::move (body));
    response.set_content_provider (held->size (), "application/json", [held] (size_t offset, size_t length, httplib::DataSink& sink) {
        return sink.write (held->data () + offset, length);
    });
}

}   // namespace SimHost::Serve
