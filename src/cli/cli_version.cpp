// The program's version as the CLI prints it.
namespace vk::cli {
const char* programVersion() { return "0.7"; }
}
