# Protocol Buffers: the protobuf library's own .proto files (Debian's libprotobuf-dev), protobuf.js and
# Google's API definitions (npm google-proto-files), a project each API family; halves by the checksum.
# Counted: packages, messages, enums, services and rpcs (not fields), as ctags sees them.
ROW = {
    "type": "Protocol Buffers",
    "debian": ["libprotobuf-dev"],
    "npm": ["google-proto-files@4.2.0", "protobufjs@7.4.0"],
    "files": [CORPUS + "/deb/libprotobuf-dev/**/*.proto", CORPUS + "/npm/google-proto-files/**/*.proto",
              CORPUS + "/npm/protobufjs/**/*.proto"],
    "project": r"google-proto-files/google/(cloud/\w+|\w+)",
    "files_name": "libprotobuf-dev, protobuf.js, google-proto-files",
    "ctags": ("Protobuf", "pmgsr"),
    "reference_name": "ctags Protobuf: packages, messages, enums, services, rpcs",
}
