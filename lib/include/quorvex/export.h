#ifndef QUORVEX_EXPORT_H
#define QUORVEX_EXPORT_H

/* Marks the library's interface: the library is built with every other
   symbol hidden, so only what carries this is exported. */
#define QUORVEX_API __attribute__((visibility("default")))
/* A member of an exported class that only the library calls. */
#define QUORVEX_LOCAL __attribute__((visibility("hidden")))

#endif
