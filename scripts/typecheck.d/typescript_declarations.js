// Lists the named declarations of TypeScript files as the TypeScript compiler parses them: classes,
// interfaces, enums, type aliases, namespaces, functions and methods that have a body (overload and
// interface signatures have none), constructors with a body, and variables, properties or class fields
// whose value is a function or a class. Prints "LINE<TAB>NAME", LINE from 1, at the name's line.
// Usage: NODE_PATH=<folder holding typescript> node typescript_declarations.js FILE...
const fs = require('fs');
const ts = require('typescript');

const K = ts.SyntaxKind;
const ALWAYS = new Set([K.ClassDeclaration, K.InterfaceDeclaration, K.EnumDeclaration, K.TypeAliasDeclaration,
                        K.ModuleDeclaration]);
const WITH_BODY = new Set([K.FunctionDeclaration, K.MethodDeclaration, K.GetAccessor, K.SetAccessor]);
const HOLDERS = new Set([K.VariableDeclaration, K.PropertyDeclaration, K.PropertyAssignment]);
const FUNCTIONS = new Set([K.FunctionExpression, K.ArrowFunction, K.ClassExpression]);

function entry(node, source) {
  const k = node.kind;
  if (k === K.Constructor)
    return node.body ? [node.getStart(source), 'constructor'] : null;
  const named = node.name && (ts.isIdentifier(node.name) || ts.isPrivateIdentifier(node.name) ||
                              ts.isStringLiteral(node.name));
  if (!named) return null;
  const at = [node.name.getStart(source), node.name.text];
  if (ALWAYS.has(k)) return at;
  if (WITH_BODY.has(k)) return node.body ? at : null;
  if (HOLDERS.has(k) && node.initializer && FUNCTIONS.has(node.initializer.kind)) return at;
  return null;
}

for (const path of process.argv.slice(2)) {
  const text = fs.readFileSync(path, 'latin1');
  const source = ts.createSourceFile(path, text, ts.ScriptTarget.Latest, true);
  const visit = (node) => {
    const found = entry(node, source);
    if (found) {
      const line = source.getLineAndCharacterOfPosition(found[0]).line + 1;
      process.stdout.write(`${line}\t${found[1]}\n`);
    }
    ts.forEachChild(node, visit);
  };
  visit(source);
}
