// Lists the declarations of C# files as tree-sitter's C# grammar parses them: namespaces, classes,
// structs, interfaces, records, enums, delegates, methods (interface and abstract ones too, and local
// functions), constructors, destructors, operators, properties, indexers and events. Prints
// "FILE<TAB>LINE<TAB>NAME", LINE from 1, at the name's line (an operator's at its keyword, named "operator"; an
// indexer's at "this"). Usage: NODE_PATH=<folder holding web-tree-sitter and tree-sitter-c-sharp>
// node csharp_declarations.js FILE...
const fs = require('fs');
const path = require('path');
const {Parser, Language} = require('web-tree-sitter');

const NAMED = new Set(['namespace_declaration', 'file_scoped_namespace_declaration', 'class_declaration',
  'struct_declaration', 'interface_declaration', 'record_declaration', 'record_struct_declaration',
  'enum_declaration', 'delegate_declaration', 'method_declaration', 'local_function_statement',
  'constructor_declaration', 'destructor_declaration', 'property_declaration', 'event_declaration']);
const KEYWORD = {operator_declaration: 'operator', conversion_operator_declaration: 'operator',
                 indexer_declaration: 'this'};

function entries(node) {
  const type = node.type;
  if (NAMED.has(type)) {
    const name = node.childForFieldName('name');
    return name ? [[name.startPosition.row, name.text]] : [];
  }
  if (type in KEYWORD) {
    const word = node.children.find((c) => c.type === KEYWORD[type]);
    return word ? [[word.startPosition.row, KEYWORD[type]]] : [];
  }
  if (type === 'event_field_declaration')  // event A, B; each variable is an event
    return node.descendantsOfType('variable_declarator').map((v) => {
      const name = v.childForFieldName('name') || v.namedChildren[0];
      return [name.startPosition.row, name.text];
    });
  return [];
}

(async () => {
  await Parser.init();
  const grammar = path.join(path.dirname(require.resolve('tree-sitter-c-sharp/package.json')),
                            'tree-sitter-c_sharp.wasm');
  const parser = new Parser();
  parser.setLanguage(await Language.load(grammar));
  for (const file of process.argv.slice(2)) {
    const tree = parser.parse(fs.readFileSync(file, 'utf8'));
    const out = [];
    const visit = (node) => {
      for (const [row, name] of entries(node)) out.push(`${file}\t${row + 1}\t${name}\n`);
      for (const child of node.namedChildren) visit(child);
    };
    visit(tree.rootNode);
    process.stdout.write(out.join(''));
    tree.delete();
  }
})();
