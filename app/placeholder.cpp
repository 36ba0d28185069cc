// Keeps the application library non-empty until the window lands.
namespace app {
int placeholder() { return 0; }
}  // namespace app
