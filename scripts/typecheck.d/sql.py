# SQL: PostgreSQL's extension scripts, its system views and functions, and
# postgresql-common's test scripts. ctags has no kind for CREATE TYPE and loses
# 40 of the 75 CREATE statements of system_functions.sql, whose bodies are
# written RETURN ... or BEGIN ATOMIC ... END; so the reference is a rule of this
# row: every CREATE statement of a table, view, function, procedure, type,
# domain, index, trigger, sequence, schema or aggregate, wherever it starts,
# outside comments, quoted strings and dollar-quoted bodies, counts on the line
# of its CREATE and is named by the object's name; an index created without a
# name is named by its table. psql's meta-commands (\echo ...) end at their
# line's end.
import re

MODIFIERS = {"or", "replace", "temp", "temporary", "unlogged", "global", "local", "materialized", "unique",
             "constraint", "recursive", "event", "foreign"}
KINDS = {"table", "view", "function", "procedure", "type", "domain", "index", "trigger", "sequence", "schema",
         "aggregate"}
TOKEN = re.compile(r"""(?m:^\\[^\n]*)|--[^\n]*|/\*.*?\*/|'(?:[^']|'')*'|`[^`]*`(?:\.`[^`]*`)*|(\$[A-Za-z_0-9]*\$).*?\1|"(?:[^"]|"")*"|[A-Za-z_@][\w@$.]*(?:\.(?:"[^"]*"|\w+))*|;|\S""", re.S)


def reference(path, lines):
    text = "\n".join(mysql_delimiters(lines))
    statement = []  # (token, line) of the statement read so far
    line = 1
    position = 0
    for m in TOKEN.finditer(text):
        line += text.count("\n", position, m.start())
        position = m.start()
        token = m.group(0)
        if token.startswith("--") or token.startswith("/*") or token.startswith("\\"):
            continue
        if token == ";":
            yield from created(statement)
            statement = []
        else:
            statement.append((token, line))
    yield from created(statement)


def mysql_delimiters(lines):
    """MySQL scripts change the statement delimiter (DELIMITER $$ ... DELIMITER ;): the delimiter's
    lines become empty and the delimiter a `;`, so that `$$` opens no dollar-quoted string here."""
    delimiter = ";"
    for text in lines:
        m = re.match(r"\s*delimiter\s+(\S+)", text, re.I)
        if m:
            delimiter = m.group(1)
            yield ""
        else:
            yield text if delimiter == ";" else text.replace(delimiter, ";")


def created(statement):
    words = [t for t, _ in statement[:20]]
    if not words or words[0].lower() != "create":
        return
    # MySQL's CREATE DEFINER=user@host, ALGORITHM=..., SQL SECURITY ... before the kind.
    while len(words) > 3 and words[1].lower() in ("definer", "algorithm", "sql") \
            and words[2].lower() in ("=", "security"):
        end = 4
        if words[1].lower() == "definer":  # user, or user@host
            end = next((j for j in range(4, len(words)) if "@" not in (words[j], words[j - 1])), len(words))
        words = words[:1] + words[end:]
    for i, word in enumerate(words[1:8], 1):
        if word.lower() in KINDS:
            rest = [w for w in words[i + 1:] if w.lower() not in ("if", "not", "exists", "concurrently", "on")]
            if rest and re.match(r'[\w"@`\[]', rest[0]):
                name = rest[0]
                yield statement[0][1], name.replace("`", "").split(".")[-1] if "`" in name else name
            return
        if word.lower() not in MODIFIERS:
            return


ROW = {
    "type": "SQL",
    "debian": ["mariadb-server-core"],
    "files": ["/usr/share/postgresql/*/**/*.sql", "/usr/share/postgresql-common/**/*.sql",
              CORPUS + "/deb/mariadb-server-core/usr/share/mysql/*.sql"],
    "project": r"/extension/([a-z_0-9]+?)(?:--|\.sql)",
    "files_name": "PostgreSQL's extension and system scripts, postgresql-common's tests, MariaDB's system "
                  "scripts; by extension or package",
    "reference": reference,
    "reference_name": "rule: CREATE of a table, view, function, procedure, type, domain, index, trigger, "
                      "sequence, schema, aggregate outside comments, strings and $$ bodies",
}
