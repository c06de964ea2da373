// Store: a typed key-value store with declarations of every kind TypeScript adds.
// function commentedOut(): void {} is a comment.
import { EventEmitter } from 'events';
import {
  type Serializer,
  type Options,
} from './types';

export type Key = string | number;

export interface Entry<T> {
  key: Key;
  value: T;
  expires?: number;
  toJSON(): object;
}

export enum Policy {
  KeepAll,
  DropOldest,
}

declare namespace Internal {
  const version: string;
}

declare module './types' {
  interface Options {
    ttl?: number
  }
}

export function createStore<T>(policy: Policy = Policy.KeepAll): Store<T> {
  return new Store<T>(policy);
}

export abstract class Base {
  protected abstract size(): number;
}

export class Store<T> extends Base {
  private readonly entries = new Map<Key, Entry<T>>();
  private emitter = new EventEmitter();

  constructor(private policy: Policy) {
    super();
  }

  public get(key: Key): T | undefined {
    const entry = this.entries.get(key);
    if (entry && entry.expires !== undefined) {
      return entry.expires > Date.now() ? entry.value : undefined;
    }
    return entry?.value;
  }

  set(key: Key, value: T): this {
    for (const old of this.entries.keys()) {
      this.evict(old);
    }
    this.entries.set(key, { key, value, toJSON: () => ({ key }) });
    return this;
  }

  protected size(): number {
    return this.entries.size;
  }

  get count(): number {
    return this.entries.size;
  }

  find<
    K extends Key,
    D = undefined,
  >(
    key: K,
    fallback?: D
  ): T | D {
    return this.get(key) ?? (fallback as D);
  }

  private evict(key: Key) {
    switch (this.policy) {
      case Policy.DropOldest:
        this.entries.delete(key);
    }
  }

  static async load<U>(path: string): Promise<Store<U>> {
    return new Store<U>(Policy.KeepAll);
  }

  onChange = (listener: (key: Key) => void): void => {
    this.emitter.on('change', listener);
  };
}

export const isKey = (value: unknown): value is Key =>
  typeof value === 'string' || typeof value === 'number';

export const pick = <T, K extends keyof T>(obj: T, keys: K[]): Pick<T, K> => {
  expect(keys).toEqual({
    length: keys.length,
  });
  return obj;
};

export const merge = (
  left: Store<unknown>,
  right: Store<unknown>,
) => left;

// Overloads end without a body, the implementation with one.
export function read(key: Key): string
export function read<T>(
  key: Key,
  parse: (text: string) => T
): T
export function read(key: Key, parse?: (text: string) => unknown): unknown {
  return parse ? parse(String(key)) : String(key);
}

export const handlers = {
  onHit: (key: Key) => log(key),
  onMiss: () => undefined,
  onEvict: (key) => {
    return key;
  },
  label: 'handlers',
};

describe('Store', () => {
  it('keeps a value', async () => {
    const store = await Store.load<number>(
      'fixture',
    );
    expect(store.set('a', 1).get('a')).toEqual({
      value: 1,
    });
    return new Store(Policy.KeepAll);
  });
});
