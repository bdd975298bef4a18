#pragma once

// The functions of GCC's libquadmath that the quad-precision paths use,
// declared here rather than through quadmath.h: that header lives in GCC's
// private include directory, out of clang's reach, and the sanitizer and fuzz
// builds use clang.

extern "C" {
__float128 acoshq(__float128);
__float128 acosq(__float128);
__float128 asinhq(__float128);
__float128 asinq(__float128);
__float128 atan2q(__float128, __float128);
__float128 atanhq(__float128);
__float128 atanq(__float128);
__float128 coshq(__float128);
__float128 cosq(__float128);
__float128 expm1q(__float128);
__float128 expq(__float128);
__float128 fabsq(__float128);
__float128 fmaq(__float128, __float128, __float128);
__float128 ldexpq(__float128, int);
__float128 log10q(__float128);
__float128 log1pq(__float128);
__float128 log2q(__float128);
__float128 logq(__float128);
__float128 powq(__float128, __float128);
__float128 sinhq(__float128);
__float128 sinq(__float128);
__float128 sqrtq(__float128);
__float128 tanhq(__float128);
__float128 tanq(__float128);
}
