// chromal-tool encipher / decipher: the per-user files' cipher on whole files.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/ToolArgs.h"

#include "storage/Cipher.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] = "usage: chromal-tool encipher --key KEY [IN [OUT]]\n"
                          "       chromal-tool decipher --key KEY [IN [OUT]]\n"
                          "Runs the per-user files' cipher over a whole file. IN and OUT default to\n"
                          "standard input and output ('-' names them too). The keys in use are\n"
                          "'vum' (settings), 'slotstate@#&' (saved game), 'zpqrtu%#%8127' (top-7).\n";

int RunCipher(int argc, char** argv, bool encipher)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"key"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const std::string key = args.Value("key");
    if (key.empty())
        return UsageError("a non-empty --key is required", kUsage);
    if (args.Positional().size() > 2)
        return UsageError("too many arguments", kUsage);
    const std::string in = args.Positional().size() > 0 ? args.Positional()[0] : std::string();
    const std::string out = args.Positional().size() > 1 ? args.Positional()[1] : std::string();

    std::string input;
    std::string error;
    if (!ReadInput(in, input, error))
        return Failure(error);

    const int keyLength = static_cast<int>(key.size());
    std::string output = encipher ? CCipher().Encipher(input, key.data(), keyLength)
                                  : CCipher().Decipher(input, key.data(), keyLength);
    // Only an empty input deciphers to nothing; anything else that does was
    // not written by this cipher.
    if (!encipher && output.empty() && !input.empty())
        return Failure("input is not enciphered data (too short or bad rotation byte)");

    if (!WriteOutput(out, output, error))
        return Failure(error);
    return kExitOk;
}
} // namespace

int RunEncipher(int argc, char** argv)
{
    return RunCipher(argc, argv, true);
}

int RunDecipher(int argc, char** argv)
{
    return RunCipher(argc, argv, false);
}
} // namespace NTool
