// Started first by the 32-bit end-to-end run: it ends with 0 only where 32-bit Windows programs
// run.
int main() {
  return sizeof(void*) == 4 ? 0 : 1;
}
