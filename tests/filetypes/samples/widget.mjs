// Widgets: declarations, classes and their methods, functions held in variables and properties.
// function commentedOut() {} is a comment.
import { EventEmitter } from 'node:events'

export function createWidget (name, options = {}) {
  if (!name) {
    throw new Error('a widget needs a name')
  }
  for (const key of Object.keys(options)) {
    validate(key)
  }
  return new Widget(name, options)
}

async function load (url) {
  try {
    return await fetch(url)
  } catch (err) {
    return null
  }
}

function * ids () {
  let n = 0
  while (true) {
    yield n++
  }
}

export default class Widget extends EventEmitter {
  #state = 'idle'

  constructor (name, options) {
    super()
    this.name = name
  }

  static from (json) { return new Widget(json.name, json) }

  async render(target) {
    switch (this.#state) {
      case 'idle':
        break
    }
    [1, 2].forEach(function (n) {
      target.append(n)
    })
  }

  get state () { return this.#state }
  set state (value) { this.#state = value }

  #reset() {
    this.#state = 'idle'
  }

  _legacy(a, b) {
    return a + b
  }

  cancel() {
    this.emit('cancel')
  }
}

const validate = (key) => {
  return typeof key === 'string'
}

export const normalise = async value => String(value).trim()

Widget.prototype.describe = function () {
  return `Widget ${this.name}`
}

const handlers = {
  click: function (event) { return event },
  hover (event) { return event },
  label: 'not a function'
}

const Pool = class extends EventEmitter {
  #drain = () => {
    return null
  }
}

async function consume (stream) {
  for await (const chunk of stream) {
    use(chunk)
  }
  return function inner () {}
}
