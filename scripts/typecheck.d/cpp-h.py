# C++ headers named .h (GoogleTest's, the standard library's bits/, benchmark's, POCO's):
# their names give them to the C header type, measured here on C++ by the C++
# row's reference.
import os

exec(open(os.path.join(os.path.dirname(__file__), "cpp.py")).read())
ROW = dict(ROW, name="C++ .h", type="C header",
           debian=["libpoco-dev"],
           files=["/usr/src/googletest/**/*.h", "/usr/include/gtest/**/*.h", "/usr/include/gmock/**/*.h",
                  "/usr/include/benchmark/*.h", "/usr/include/c++/*/bits/*.h",
                  CORPUS + "/deb/libpoco-dev/usr/include/Poco/**/*.h"],
           project=r"/include/Poco/([^/.]+)/", exclude=None,
           files_name="GoogleTest, gtest, gmock, benchmark, libstdc++ bits/, POCO (libpoco-dev) headers, "
                      "by package (POCO: by library)")
