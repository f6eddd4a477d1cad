// bridge-fuzz: seeded hostile arguments for every script function of the page.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "DGBrowser.hpp"
#include "MemoryManager.hpp"

#include <random>

namespace SimHost {

namespace {

constexpr int    ArgumentsPerFunction = 10000;
constexpr int    CallsPerHost = 1000;   // a fresh project now and then keeps catalogues small
constexpr size_t HugeBytes = 10u << 20;
constexpr size_t DeepLevels = 100000;   // rare: each such text costs the parser 100,000 blocks
constexpr size_t NestedLevels = 1000;

const char* const Functions[] = { "getMaterials", "createMaterials", "deleteMaterial", "paintElement",
                                  "resize",       "beginPaint",      "endPaint",       "hide" };

const char* const ValidArguments[] = {
    R"([{"name":"Chalk","color":{"red":244,"green":242,"blue":234},"path":"Surfaces/Virel/Whites","product":{"ambient":50,"diffuse":80,"shine":10,"specular":20}}])",
    R"({"elementId":"11111111-2222-3333-4444-555555555555","elementIndex":1,"materialId":"8F2C14A0-3B1D-4E5F-9A6B-7C8D9E0F1A2B","bodyIndex":1,"polygonIndex":1})",
    R"({"width":400,"height":700})",
    "8F2C14A0-3B1D-4E5F-9A6B-7C8D9E0F1A2B",
    R"([{"name":"N\u0000ul","color":{"red":1,"green":2,"blue":3},"path":"Surfaces/Virel/a\u0000b","product":{}}])",
};

class Arguments {
public:
    explicit Arguments (UInt64 seed)
        : random (seed)
    {}

    std::string Next ()
    {
        switch (Pick (20)) {
            case 0: return RandomJson (4).dump (-1, ' ', false, nlohmann::json::error_handler_t::replace);
            case 1: {
                const size_t levels = Pick (10) == 0 ? DeepLevels : NestedLevels;
                return Pick (2) == 0 ? std::string (levels, '[') + std::string (levels, ']') : Deep (levels);
            }
            case 2: return Pick (50) == 0 ? Huge () : Text (Pick (64));
            case 3:
                return R"([{"name":"x","path":"Surfaces/Virel)" + std::string (Pick (2) == 0 ? Pick (100) : Pick (3000), '/') +
                       R"(x","color":{"red":1,"green":2,"blue":3},"product":{"ambient":1,"diffuse":2,"shine":3,"specular":4}}])";
            default: return Mutate (ValidArguments[Pick (std::size (ValidArguments))]);
        }
    }

private:
    size_t Pick (size_t bound) { return std::uniform_int_distribution<size_t> (0, bound - 1) (random); }

    static std::string Deep (size_t levels)
    {
        std::string text;
        for (size_t i = 0; i < levels; ++i)
            text += R"({"a":)";
        return text + "1" + std::string (levels, '}');
    }

    std::string Huge ()
    {
        return R"([{"name":")" + std::string (HugeBytes, 'n') +
               R"(","path":"Surfaces/Virel/x","color":{"red":1,"green":2,"blue":3},"product":{"ambient":1,"diffuse":2,"shine":3,"specular":4}}])";
    }

    std::string Text (size_t length)
    {
        static const std::string pieces[] = {
            "\xFF", "\xC0\x80", "\xED\xA0\x80", "\\ud800", "\\udc00", std::string (1, '\0'), "\"", "{", "[", "/", "a"
        };
        std::string text;
        while (text.size () < length)
            text += pieces[Pick (std::size (pieces))];
        return text;
    }

    nlohmann::json RandomJson (int depth)
    {
        switch (depth <= 0 ? Pick (5) : Pick (7)) {
            case 0: return nullptr;
            case 1: return Pick (2) == 0;
            case 2: return std::int64_t (random ());
            case 3: return std::uniform_real_distribution<double> (-1e12, 1e12) (random);
            case 4: return Text (Pick (12));
            case 5: {
                nlohmann::json list = nlohmann::json::array ();
                for (size_t i = Pick (4); i > 0; --i)
                    list.push_back (RandomJson (depth - 1));
                return list;
            }
            default: {
                static const char* const keys[] = { "name",      "color",      "red",   "path",   "product",
                                                    "elementId", "materialId", "width", "height", "bodyIndex" };
                nlohmann::json           object = nlohmann::json::object ();
                for (size_t i = Pick (5); i > 0; --i)
                    object[keys[Pick (std::size (keys))]] = RandomJson (depth - 1);
                return object;
            }
        }
    }

    std::string Mutate (std::string text)
    {
        for (size_t edits = 1 + Pick (4); edits > 0 && !text.empty (); --edits) {
            const size_t at = Pick (text.size ());
            switch (Pick (5)) {
                case 0: text[at] = char (random ()); break;
                case 1: text.erase (at, 1 + Pick (8)); break;
                case 2: text.insert (at, Text (1 + Pick (4))); break;
                case 3: text.insert (at, text.substr (at, Pick (32))); break;
                default: text.insert (at, std::string (1 + Pick (3), '\0')); break;
            }
        }
        return text;
    }

    std::mt19937_64 random;
};

}   // namespace

void CheckBridgeFuzz (const ValidationContext& context)
{
    const USize                        blocks = GS::MemoryManager::AllocatedBlocks ();
    Arguments                          arguments (context.seed);
    std::unique_ptr<ValidationSession> session;
    for (int call = 0; call < ArgumentsPerFunction * int (std::size (Functions)); ++call) {
        if (call % CallsPerHost == 0) {
            if (session != nullptr)
                session->RequireBlocksBackAt (blocks, "after " + std::to_string (call) + " calls");
            session.reset ();
            session = std::make_unique<ValidationSession> (context);
            OpenPaletteInSmallProject (*session);
        }
        Host&             host = session->GetHost ();
        const std::string function = Functions[call % std::size (Functions)];
        if (host.HeldBrowser () == nullptr)
            session->Run (R"({"do":"menu","list":32500,"item":1})");
        const std::size_t before = host.GetTranscript ().Lines ().size ();
        const std::string argument = arguments.Next ();
        try {
            host.Call (function, ArgumentKind::String, argument);
        } catch (const std::exception& e) {
            throw CheckFailed (function + " with " +
                               nlohmann::json (argument.substr (0, 80)).dump (-1, ' ', true, nlohmann::json::error_handler_t::replace) +
                               ": reached the host: " + e.what ());
        }
        const std::vector<Line>& all = host.GetTranscript ().Lines ();
        RequireDocumentedOutcome (std::vector<Line> (all.begin () + std::ptrdiff_t (before), all.end ()), function);
        host.RunEventLoop ();
        host.GetTranscript ().Clear ();
        host.CallsQuery ();
        session->RequireNoViolation ();
        ReportCheckProgress ();
    }
    session->RequireBlocksBackAt (blocks, "at the end");
}

}   // namespace SimHost
