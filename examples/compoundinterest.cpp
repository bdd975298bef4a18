// 1000 at 5 % a year, compounded monthly for ten years.
#include <cstdio>
#include <quorvex/quorvex.hpp>

int main() {
  double p = 1000, k = 0.05, m = 12, n = 10;
  quorvex::Formula f("p*power((1+k/m);(m*n))",
                     {{"p", &p}, {"k", &k}, {"m", &m}, {"n", &n}});
  std::printf("%.15g\n", f.evaluate()); // 15 significant digits, as the calculator shows
}
