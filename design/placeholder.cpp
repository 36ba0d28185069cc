// Keeps the design library non-empty until its first source lands.
namespace design {
int placeholder() { return 0; }
}  // namespace design
