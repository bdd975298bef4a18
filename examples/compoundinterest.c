/* 1000 at 5 % a year, compounded monthly for ten years, through the C
   interface: the variables kept in the formula's slots. */
#include <quorvex/quorvex.h>

#include <stdio.h>

int main(void) {
  const char *names[] = {"p", "k", "m", "n"};
  const double values[] = {1000, 0.05, 12, 10};
  char message[256] = "";
  quorvex_error error = {message, sizeof message, 0, 0, 0};
  quorvex_formula *formula = NULL;
  double result = 0;
  int ok = quorvex_compile("p*power((1+k/m);(m*n))", names, NULL, 4, NULL, &formula,
                           &error) == QUORVEX_OK;
  for (size_t i = 0; ok && i < 4; ++i)
    ok = quorvex_set(formula, i, values[i], &error) == QUORVEX_OK;
  ok = ok && quorvex_evaluate(formula, &result, &error) == QUORVEX_OK;
  quorvex_free(formula);
  if (!ok) {
    fprintf(stderr, "%s\n", message);
    return 1;
  }
  printf("%.15g\n", result);
  return 0;
}
