#!/bin/sh
# Deploys the site; functions are listed, those a here-document writes are not.

usage() {
    echo "usage: deploy.sh TARGET" >&2
}

function build_site {
    make -C site all
}

write_hook() {
    cat > hook.sh <<'EOF'
post_deploy() {
    echo deployed
}
EOF
}

main () {
    [ $# -eq 1 ] || { usage; exit 2; }
    build_site && write_hook
}

main "$@"
