#include "responder.h"

namespace korvane::test {

Responder::Responder()
{
    setpromptresponder([this](const PromptRequest &request) {
        asked.push_back(request);
        if (replies.empty()) return PromptReply{};
        PromptReply reply = replies.front();
        replies.pop_front();
        return reply;
    });
}

Responder::~Responder() { setpromptresponder({}); }

bool Responder::wasasked(const QString &fragment) const
{
    for (const PromptRequest &request : asked)
        if (request.text.contains(fragment) || request.title.contains(fragment)) return true;
    return false;
}

int Responder::count(PromptRequest::Kind kind) const
{
    int n = 0;
    for (const PromptRequest &request : asked) n += request.kind == kind;
    return n;
}

} // namespace korvane::test
