<?php
/**
 * Session storage: namespaces, classes, traits, interfaces, enums and functions.
 * function notAHeading() in a doc comment is text.
 */
namespace App\Session;

use App\Storage\Store;

interface Handler
{
    public function read(string $id): string;
}

trait Timestamps
{
    protected function touch(): void
    {
        $this->updated = time();
    }
}

enum Status: string
{
    case Open = 'open';
    case Closed = 'closed';
}

abstract class BaseSession implements Handler
{
    use Timestamps;

    abstract protected function store(): Store;

    final public static function create(array $options = []): static
    {
        $filter = function ($value) { return trim($value); };   // a closure has no name
        $mapper = fn($value) => strtolower($value);
        return new static(array_map($filter, $options));
    }

    public function read(string $id): string
    {
        return $this->store()->get($id) ?? '';
    }

    private function &reference(): array
    {
        return $this->items;
    }
}

final class FileSession extends BaseSession
{
    protected function store(): Store
    {
        return new Store('/tmp');
    }
}

function session_start_default(): FileSession
{
    return FileSession::create();
}
?>
<p>The class attribute is markup: <span class="note">function of the page</span></p>
