/* The library's interface: prototypes are what a reader looks for here. */
#ifndef API_H
#define API_H
#define API_VERSION(major, minor) ((major) * 100 + (minor))

typedef struct api_handle api_handle;
typedef void (*api_callback)(void *data);

typedef struct {
    int width, height;
} api_size;

extern api_handle *api_open (const char *name, int flags);
int api_close(api_handle *h);
API_EXPORT(int) api_write(api_handle *h, const void *data, size_t size);
ZEXTERN int ZEXPORT api_flush OF((api_handle *h));
PNG_EXPORT(7, int, api_get_width, (const api_handle *h));

static inline int api_is_open(const api_handle *h)
{
    return h != 0;
}

struct api_event { int kind; };

/* Prose in a comment is not a declaration:
int api_removed(void);
   and a head split over lines is one: */
extern bool api_build_stubs
  (api_handle *, const char *);
api_handle *api_reopen(
    api_handle *h, int flags);
#endif
