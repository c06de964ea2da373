// Lists the named functions and classes of a JavaScript file as a real parser (acorn) sees them:
// function and class declarations, class and object methods, getters and setters, and variables,
// properties, class fields or assignments whose value is a function or class. Prints "LINE<TAB>NAME".
// Usage: NODE_PATH=<folder holding acorn> node javascript_functions.js FILE... (javascript.py installs acorn)
const fs = require('fs');
const acorn = require('acorn');

const FUNCTIONS = new Set(['FunctionExpression', 'ArrowFunctionExpression', 'ClassExpression']);

function keyName(key, computed) {
  if (computed || !key) return null;
  if (key.type === 'Identifier' || key.type === 'PrivateIdentifier') return key.name;
  if (key.type === 'Literal') return String(key.value);
  return null;
}

function memberName(node) {
  if (node.type === 'Identifier') return node.name;
  if (node.type === 'MemberExpression' && !node.computed) {
    const object = node.object.type === 'ThisExpression' ? 'this' : memberName(node.object);
    return object ? object + '.' + node.property.name : null;
  }
  return null;
}

function named(node, out) {
  const t = node.type;
  if ((t === 'FunctionDeclaration' || t === 'ClassDeclaration') && node.id)
    out.push([node.loc.start.line, node.id.name]);
  else if (t === 'MethodDefinition' || (t === 'Property' && (node.method || node.kind !== 'init' ||
           FUNCTIONS.has(node.value.type))) || (t === 'PropertyDefinition' && node.value &&
           FUNCTIONS.has(node.value.type))) {
    const name = keyName(node.key, node.computed);
    if (name !== null) out.push([node.key.loc.start.line, name]);
  } else if (t === 'VariableDeclarator' && node.init && FUNCTIONS.has(node.init.type) &&
             node.id.type === 'Identifier')
    out.push([node.id.loc.start.line, node.id.name]);
  else if (t === 'AssignmentExpression' && FUNCTIONS.has(node.right.type)) {
    const name = memberName(node.left);
    if (name) out.push([node.left.loc.start.line, name]);
  }
}

function walk(node, out) {
  if (!node || typeof node.type !== 'string') return;
  named(node, out);
  for (const key of Object.keys(node)) {
    if (key === 'loc') continue;
    const value = node[key];
    if (Array.isArray(value)) value.forEach((child) => walk(child, out));
    else if (value && typeof value === 'object') walk(value, out);
  }
}

function parse(text) {
  const options = { ecmaVersion: 'latest', locations: true, allowHashBang: true,
                    allowReturnOutsideFunction: true, allowAwaitOutsideFunction: true };
  try { return acorn.parse(text, { ...options, sourceType: 'module' }); }
  catch (e) { return acorn.parse(text, { ...options, sourceType: 'script' }); }
}

for (const path of process.argv.slice(2)) {
  let tree;
  try { tree = parse(fs.readFileSync(path, 'latin1')); }
  catch (e) { process.stderr.write(`${path}: ${e.message}\n`); continue; }
  const out = [];
  walk(tree, out);
  for (const [line, name] of out) process.stdout.write(`${line}\t${name}\n`);
}
