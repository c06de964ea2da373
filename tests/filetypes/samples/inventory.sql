-- Stock, orders and the reports over them.
CREATE SCHEMA IF NOT EXISTS inventory;

CREATE TABLE inventory.items (
    id      serial PRIMARY KEY,
    name    text NOT NULL,
    note    text DEFAULT 'CREATE TABLE in a string'
);

-- CREATE TABLE commented_out (id int);
create table if not exists "Order" (id int, item int);

CREATE TEMPORARY TABLE scratch (line text);
CREATE UNIQUE INDEX items_name_idx ON inventory.items (name);
CREATE INDEX ON inventory.items (id);
CREATE INDEX CONCURRENTLY IF NOT EXISTS items_note_idx ON inventory.items (note);

CREATE OR REPLACE VIEW inventory.low_stock AS
    SELECT * FROM inventory.items WHERE false;
CREATE MATERIALIZED VIEW monthly_totals AS SELECT 1 AS total;

CREATE TYPE mood AS ENUM ('sad', 'ok', 'happy');
CREATE DOMAIN positive AS integer CHECK (VALUE > 0);
CREATE SEQUENCE order_numbers START 1000;

CREATE OR REPLACE FUNCTION inventory.restock(item integer, amount integer)
RETURNS void AS $$
BEGIN
    UPDATE inventory.items SET name = name WHERE id = item;
END;
$$ LANGUAGE plpgsql;

CREATE FUNCTION @extschema@.item_count() RETURNS bigint
    AS 'SELECT count(*) FROM inventory.items' LANGUAGE sql;

CREATE PROCEDURE archive_orders(before date)
LANGUAGE sql AS $$ DELETE FROM "Order" WHERE id < 0 $$;

CREATE TRIGGER items_audit AFTER UPDATE ON inventory.items
    FOR EACH ROW EXECUTE FUNCTION inventory.restock();

CREATE AGGREGATE sum_positive (positive) (SFUNC = int4pl, STYPE = int4);
CREATE OPERATOR CLASS mood_ops DEFAULT FOR TYPE mood USING btree AS OPERATOR 1 <;
CREATE TABLE [dbo].[Customers] ([Id] int NOT NULL);

INSERT INTO inventory.items (name) VALUES ('CREATE VIEW nothing');
DROP TABLE scratch;

-- MySQL's dumps name the definer before the object.
CREATE DEFINER=`admin`@`localhost` PROCEDURE `inventory`.`restock` (IN amount INT)
BEGIN
    UPDATE item SET quantity = quantity + amount;
END;
CREATE ALGORITHM=UNDEFINED DEFINER=`admin`@`%` SQL SECURITY INVOKER VIEW low_stock AS
    SELECT name FROM item WHERE quantity < 5;
