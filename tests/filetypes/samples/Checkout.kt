package shop.checkout

import kotlinx.coroutines.flow.Flow

typealias Handler<T> = (T) -> Unit

/* A block comment: class NotAClass, fun notAFunction() */
@JvmInline
value class Cents(val amount: Long)

sealed class Outcome {
    data class Paid(val receipt: String) : Outcome()
    object Declined : Outcome()
}

internal interface Gateway {
    suspend fun charge(amount: Cents): Outcome
}

class Checkout @Inject constructor(private val gateway: Gateway) {
    companion object {
        const val TAG = "Checkout"
        @JvmStatic fun create(gateway: Gateway) = Checkout(gateway)
    }

    private val template = """
        fun notListed() inside a raw string
    """

    override fun toString(): String = "Checkout($TAG)"

    inline fun <reified T : Outcome, reified R : Map<String, T>> first(items: List<T>): T? =
        items.firstOrNull()

    fun Cents.formatted(): String {
        val total = listOf(this).map { cents -> cents.amount }
        return "$total"
    }

    fun <T> Flow<T>.logged(): Flow<T> = this
}

fun interface Listener {
    fun onDone(outcome: Outcome)
}

enum class Currency { EUR, USD }
